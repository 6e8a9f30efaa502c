#!/usr/bin/env bash
# Brings translations/*.ts up to date with the texts of the sources, the
# panel's form and the remote-control page. Translate what is new with Qt
# Linguist (`linguist translations/walltest_zh_CN.ts`) and commit the .ts
# files; the build compiles them with lrelease.
#   walltest_en.ts     every Chinese text in English
#   walltest_zh_CN.ts  the program's own English texts in Chinese; the
#                      panel's few English words stay as they are
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# lupdate reads no HTML: the page's {{texts}} reach it as a C++ list.
{
    echo '// The texts of remote/page/index.html, for lupdate only.'
    grep -o '{{[^{}]*}}' remote/page/index.html | sort -u |
        sed -e 's/^{{//' -e 's/}}$//' -e 's/[\\"]/\\&/g' -e 's/.*/QT_TRANSLATE_NOOP("RemotePage", "&")/'
} >"$work/remotepage_texts.cpp"

for language in en zh_CN; do
    lupdate -silent -locations none -no-obsolete -target-language "$language" \
        app cli controlpanel export pattern patternwindow remote render settings wall "$work/remotepage_texts.cpp" \
        -ts "translations/walltest_$language.ts"
done
