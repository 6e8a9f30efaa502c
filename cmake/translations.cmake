# The panel and the program's messages in Chinese and English: the Qt
# Linguist files under translations/ are compiled by lrelease at build time
# and embedded as :/translations/*.qm. scripts/update-translations.sh
# brings the .ts files up to date with the sources.
find_package(Qt${WALLTEST_QT} REQUIRED COMPONENTS LinguistTools)

set(WALLTEST_TS_FILES
    ${CMAKE_SOURCE_DIR}/translations/walltest_en.ts
    ${CMAKE_SOURCE_DIR}/translations/walltest_zh_CN.ts)
set(WALLTEST_QM_DIR ${CMAKE_BINARY_DIR}/translations)
set_source_files_properties(${WALLTEST_TS_FILES} PROPERTIES OUTPUT_LOCATION ${WALLTEST_QM_DIR})
qt_add_translation(WALLTEST_QM_FILES ${WALLTEST_TS_FILES} OPTIONS -silent)

set(qrc_entries "")
foreach(qm ${WALLTEST_QM_FILES})
    get_filename_component(qm_name ${qm} NAME)
    string(APPEND qrc_entries "        <file>${qm_name}</file>\n")
endforeach()
file(WRITE ${WALLTEST_QM_DIR}/translations.qrc.in
    "<RCC>\n    <qresource prefix=\"/translations\">\n${qrc_entries}    </qresource>\n</RCC>\n")
configure_file(${WALLTEST_QM_DIR}/translations.qrc.in ${WALLTEST_QM_DIR}/translations.qrc COPYONLY)
set_source_files_properties(${WALLTEST_QM_DIR}/translations.qrc PROPERTIES SKIP_AUTORCC ON)
qt_add_resources(WALLTEST_QM_RESOURCE ${WALLTEST_QM_DIR}/translations.qrc)

target_sources(walltest_drivers PRIVATE
    ${CMAKE_SOURCE_DIR}/settings/language.cpp
    ${CMAKE_SOURCE_DIR}/settings/language.h
    ${WALLTEST_QM_RESOURCE})
