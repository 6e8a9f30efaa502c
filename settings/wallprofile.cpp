#include "wallprofile.h"

#include "commandline.h"
#include "language.h"
#include "mainwindow.h"
#include "patternname.h"
#include "profilereader.h"
#include "wallcontrol.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QtDebug>

namespace {

// At most one write per burst of changes, and a change is on disk well
// within a second of being made.
const int saveDelayMs = 300;

// The keys of the file, and the panel setting each holds.
struct NumberKey
{
    const char *key;
    int PanelSettings::*setting;
};

const NumberKey numberKeys[] = {
    { "cabinet/width", &PanelSettings::cabinetWidth },
    { "cabinet/height", &PanelSettings::cabinetHeight },
    { "colortable/cellwidth", &PanelSettings::cellWidth },
    { "colortable/cellheight", &PanelSettings::cellHeight },
    { "scanlines/width", &PanelSettings::scanLineWidth },
    { "scanlines/gap", &PanelSettings::scanLineGap },
    { "scanlines/speed", &PanelSettings::scanSpeed },
    { "graysweep/speed", &PanelSettings::graySweepSpeed },
};

struct SwitchKey
{
    const char *key;
    bool PanelSettings::*setting;
};

const SwitchKey switchKeys[] = {
    { "colortable/manual", &PanelSettings::manualCellSize },
    { "colortable/tile", &PanelSettings::tileCells },
    { "picture/fit", &PanelSettings::fitPicture },
};

struct WellKey
{
    const char *key;
    QColor PanelSettings::*setting;
};

const WellKey wellKeys[] = {
    { "grayramp/dark", &PanelSettings::darkColor },
    { "grayramp/light", &PanelSettings::lightColor },
    { "scanlines/background", &PanelSettings::scanBackground },
    { "scanlines/line", &PanelSettings::scanLineColor },
};

const QString tableColumnsKey = QStringLiteral("colortable/columns");
const QString tableRowsKey = QStringLiteral("colortable/rows");
const QString tableColorsKey = QStringLiteral("colortable/colors");
const QString picturePathKey = QStringLiteral("picture/path");
const QString lastPatternKey = QStringLiteral("pattern/last");
const QString languageKey = QStringLiteral("lang");
const QString canvasKey = QStringLiteral("wall/canvas");

// The wall group keeps its address and this computer's member id beside
// the placement, in the same [wall] section.
bool isWallGroupKey(const QString &key)
{
    return key == QLatin1String("wall/group") || key == QLatin1String("wall/ca") || key == QLatin1String("wall/member");
}

} // namespace

QString WallProfile::pathOf(const QString &name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/walltest/")
           + name + QStringLiteral(".ini");
}

QString WallProfile::rememberedLanguage(const QString &name)
{
    const QSettings profile(pathOf(name), QSettings::IniFormat);
    return profile.value(languageKey).toString();
}

WallProfile::WallProfile(MainWindow *panel, const CommandLine &line)
    : QObject(panel)
    , control(panel->control())
    , settings(new QSettings(pathOf(line.profile), QSettings::IniFormat, this))
    , saveTimer(new QTimer(this))
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 reads and writes UTF-8 always.
    settings->setIniCodec("UTF-8");
#endif
    saveTimer->setSingleShot(true);
    saveTimer->setInterval(saveDelayMs);
    connect(saveTimer, &QTimer::timeout, this, &WallProfile::save);

    lastPattern = printPatternName(control->currentPattern());
    language = line.language;
    if (line.reset) {
        save();
    } else if (QFileInfo::exists(path()) && !setAsideIfUnreadable()) {
        restore();
        showPatternOnFirstShow = line.pattern.isEmpty();
        const QString chosen = language;
        restoreLanguage();
        written = values();
        // A language given on the command line is remembered in turn.
        if (!chosen.isEmpty() && chosen != language) {
            language = chosen;
            scheduleSave();
        }
    }
    watchChanges();
}

QString WallProfile::path() const
{
    return settings->fileName();
}

bool WallProfile::savePending() const
{
    return saveTimer->isActive();
}

// A value that cannot be used keeps what the panel holds.
// A file that is no INI text at all (random bytes, a binary written over
// it) would otherwise start the defaults without a word and be overwritten
// by the next save: it is kept beside the profile as NAME.ini.bad.
bool WallProfile::setAsideIfUnreadable()
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(1 << 20);
    file.close();
    const bool text = !bytes.contains('\0') && QString::fromUtf8(bytes).toUtf8() == bytes;
    if (bytes.isEmpty() || (text && !settings->allKeys().isEmpty()))
        return false;
    const QString aside = path() + QStringLiteral(".bad");
    QFile::remove(aside);
    const bool moved = QFile::rename(path(), aside);
    qWarning().noquote() << (moved ? QCoreApplication::translate("WallProfile", "walltest: the profile %1 is unreadable; set aside as %2, starting from the defaults").arg(path(), aside)
                                   : QCoreApplication::translate("WallProfile", "walltest: the profile %1 is unreadable; starting from the defaults").arg(path()));
    settings->clear();
    return true;
}

void WallProfile::restore()
{
    if (settings->status() == QSettings::AccessError)
        qWarning().noquote() << QCoreApplication::translate("WallProfile", "walltest: cannot read the profile %1; using the defaults").arg(path());
    else if (settings->status() == QSettings::FormatError)
        qWarning().noquote() << QCoreApplication::translate("WallProfile", "walltest: profile %1: damaged lines skipped").arg(path());

    const ProfileReader reader(*settings);
    PanelSettings panel = control->panelSettings();
    for (const SwitchKey &key : switchKeys)
        reader.flag(QLatin1String(key.key), &(panel.*key.setting));
    for (const NumberKey &key : numberKeys) {
        const ValueRange range = control->range(key.setting);
        reader.number(QLatin1String(key.key), range.low, range.high, &(panel.*key.setting));
    }
    for (const WellKey &key : wellKeys)
        reader.color(QLatin1String(key.key), &(panel.*key.setting));
    QString picture;
    if (reader.text(picturePathKey, &picture) && !picture.isEmpty()) {
        if (QFileInfo(picture).isFile())
            panel.picturePath = picture;
        else
            ProfileReader::refuse(picturePathKey, QCoreApplication::translate("WallProfile", "no file \"%1\"").arg(picture));
    }
    readColorTable(&panel);
    control->setPanelSettings(panel);
    restorePlacement();
    restorePattern();
}

void WallProfile::restorePlacement()
{
    const ProfileReader reader(*settings);
    const PlacementRanges ranges = control->placementRanges();
    const QRect current = control->windowPlacement();
    int width = current.width();
    int height = current.height();
    int x = current.x();
    int y = current.y();
    // Every side is read, so that each bad one is reported.
    bool usable = reader.number(QStringLiteral("wall/width"), ranges.width.low, ranges.width.high, &width);
    usable = reader.number(QStringLiteral("wall/height"), ranges.height.low, ranges.height.high, &height) || usable;
    usable = reader.number(QStringLiteral("wall/x"), ranges.x.low, ranges.x.high, &x) || usable;
    usable = reader.number(QStringLiteral("wall/y"), ranges.y.low, ranges.y.high, &y) || usable;
    if (!usable)
        return;
    QString error;
    if (!control->placeWindow(QRect(x, y, width, height), &error))
        ProfileReader::refuse(QStringLiteral("wall"), error);
    restoreCanvas();
}

// Checked against the placement just restored, as the command line's is.
void WallProfile::restoreCanvas()
{
    const ProfileReader reader(*settings);
    QString text;
    if (!reader.text(canvasKey, &text) || text.isEmpty())
        return;
    WallCanvas canvas;
    QString error;
    if (!parseWallCanvas(text, &canvas, &error) || !control->setCanvas(canvas, &error))
        ProfileReader::refuse(canvasKey, error);
}

// A table is used only whole: both sides and a colour for every cell.
void WallProfile::readColorTable(PanelSettings *panel) const
{
    const ProfileReader reader(*settings);
    const ValueRange columnRange = control->range(&PanelSettings::tableColumns);
    const ValueRange rowRange = control->range(&PanelSettings::tableRows);
    int columns = 0;
    int rows = 0;
    QVector<QColor> colors;
    // Both sides are read, so that both are reported when both are bad.
    const bool columnsRead = reader.number(tableColumnsKey, columnRange.low, columnRange.high, &columns);
    const bool rowsRead = reader.number(tableRowsKey, rowRange.low, rowRange.high, &rows);
    if (!columnsRead || !rowsRead || !reader.colors(tableColorsKey, columns * rows, &colors))
        return;
    panel->tableColumns = columns;
    panel->tableRows = rows;
    panel->tableColors = colors;
}

void WallProfile::restorePattern()
{
    const ProfileReader reader(*settings);
    QString text;
    if (!reader.text(lastPatternKey, &text))
        return;
    PatternName name;
    QString error;
    if (parsePatternName(text, &name, &error))
        lastPattern = printPatternName(name);
    else
        ProfileReader::refuse(lastPatternKey, error);
}

void WallProfile::restoreLanguage()
{
    const ProfileReader reader(*settings);
    QString text;
    Language parsed;
    if (!reader.text(languageKey, &text))
        return;
    if (parseLanguage(text, &parsed))
        language = text;
    else
        ProfileReader::refuse(languageKey, QCoreApplication::translate("WallProfile", "\"%1\" is neither zh nor en").arg(text));
}

// Restoring the panel may have left the hidden window on another pattern;
// the remembered one is what the operator saw last.
void WallProfile::showRememberedPattern()
{
    QString error;
    control->showPattern(lastPattern, &error);
}

void WallProfile::watchChanges()
{
    connect(control, &WallControl::changed, this, &WallProfile::noticeChange);
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &WallProfile::save);
}

// A change while the window shows is seen by the operator: the pattern
// then is the last one shown. The first such change is the window showing.
void WallProfile::noticeChange()
{
    if (control->isWindowVisible()) {
        patternShownSinceSave = true;
        if (showPatternOnFirstShow) {
            showPatternOnFirstShow = false;
            showRememberedPattern();
        }
    }
    scheduleSave();
}

void WallProfile::scheduleSave()
{
    if (writable && !saveTimer->isActive())
        saveTimer->start();
}

QVariantMap WallProfile::values() const
{
    QVariantMap v;
    const QRect placement = control->windowPlacement();
    v.insert(QStringLiteral("wall/x"), placement.x());
    v.insert(QStringLiteral("wall/y"), placement.y());
    v.insert(QStringLiteral("wall/width"), placement.width());
    v.insert(QStringLiteral("wall/height"), placement.height());
    v.insert(canvasKey, wallCanvasText(control->canvas()));
    const PanelSettings panel = control->panelSettings();
    for (const NumberKey &key : numberKeys)
        v.insert(QLatin1String(key.key), panel.*key.setting);
    for (const SwitchKey &key : switchKeys)
        v.insert(QLatin1String(key.key), panel.*key.setting);
    for (const WellKey &key : wellKeys)
        v.insert(QLatin1String(key.key), (panel.*key.setting).name());
    v.insert(picturePathKey, panel.picturePath);
    if (panel.tableColumns > 0) {
        QStringList names;
        for (const QColor &color : panel.tableColors)
            names << color.name();
        v.insert(tableColumnsKey, panel.tableColumns);
        v.insert(tableRowsKey, panel.tableRows);
        v.insert(tableColorsKey, names.join(QLatin1Char(' ')));
    }
    v.insert(lastPatternKey, lastPattern);
    if (!language.isEmpty())
        v.insert(languageKey, language);
    return v;
}

void WallProfile::save()
{
    saveTimer->stop();
    if (!writable)
        return;
    // Only a pattern the window has shown is the last pattern shown.
    if (patternShownSinceSave || control->isWindowVisible()) {
        lastPattern = printPatternName(control->currentPattern());
        patternShownSinceSave = false;
    }
    const QVariantMap now = values();
    if (now == written)
        return;
    // Keys the profile does not know, damaged ones included, go; the remote
    // control keeps its token in the same file.
    for (const QString &key : settings->allKeys()) {
        if (!now.contains(key) && !key.startsWith(QLatin1String("remote/")) && !isWallGroupKey(key))
            settings->remove(key);
    }
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        settings->setValue(it.key(), it.value());
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        writable = false;
        qWarning().noquote() << QCoreApplication::translate("WallProfile", "walltest: cannot write the profile %1; "
                                                                        "nothing set in this run will be remembered").arg(path());
        return;
    }
    written = now;
}
