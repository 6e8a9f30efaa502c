#include "wallprofile.h"

#include "dialog.h"
#include "commandline.h"
#include "dialog.h"
#include "language.h"
#include "mainwindow.h"
#include "profilereader.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>
#include <QtDebug>

namespace {

// At most one write per burst of changes, and a change is on disk well
// within a second of being made.
const int saveDelayMs = 300;
const int largestTableSide = 1024;

// Controls reached by their object names; a key's range is its control's.
struct SpinKey
{
    const char *key;
    const char *spinBox;
    // A control whose change starts something on the window (the gray
    // sweep) is set with its slider only; the remembered pattern decides
    // what runs.
    const char *quietSlider;
};

const SpinKey placementKeys[] = {
    { "wall/width", "spinBox_width", nullptr },
    { "wall/height", "spinBox_height", nullptr },
    { "wall/x", "spinBox_x", nullptr },
    { "wall/y", "spinBox_y", nullptr },
};

const SpinKey spinKeys[] = {
    { "cabinet/width", "spinBox_timedelayw", nullptr },
    { "cabinet/height", "spinBox_timedelayh", nullptr },
    { "colortable/cellwidth", "spinBox_barwid", nullptr },
    { "colortable/cellheight", "spinBox_barhei", nullptr },
    { "scanlines/width", "spinBox_linwid", nullptr },
    { "scanlines/gap", "spinBox_lined", nullptr },
    { "scanlines/speed", "spinBox_linespeed", nullptr },
    { "graysweep/speed", "spinBox_grayspeed", "horizontalSlider_grayspeed" },
};

// A check box, or the first of two exclusive buttons (checking `off` is the
// only way to uncheck `on`).
struct SwitchKey
{
    const char *key;
    const char *on;
    const char *off;
};

const SwitchKey switchKeys[] = {
    { "colortable/manual", "radioButton_manual", "radioButton_auto" },
    { "colortable/tile", "checkBox", nullptr },
    { "picture/fit", "checkBox_scale", "checkBox_noscale" },
};

struct WellKey
{
    const char *key;
    const char *button;
    MainWindow::ColorWell well;
};

const WellKey wellKeys[] = {
    { "grayramp/dark", "pushButton_dark", MainWindow::DarkWell },
    { "grayramp/light", "pushButton_shallow", MainWindow::LightWell },
    { "scanlines/background", "pushButton_bgcol", MainWindow::BackgroundWell },
    { "scanlines/line", "pushButton_linecol", MainWindow::LineWell },
};

const QString tableColumnsKey = QStringLiteral("colortable/columns");
const QString tableRowsKey = QStringLiteral("colortable/rows");
const QString tableColorsKey = QStringLiteral("colortable/colors");
const QString picturePathKey = QStringLiteral("picture/path");
const QString lastPatternKey = QStringLiteral("pattern/last");
const QString languageKey = QStringLiteral("lang");

template <typename Widget>
Widget *control(MainWindow *panel, const char *name)
{
    auto *widget = panel->findChild<Widget *>(QLatin1String(name));
    Q_ASSERT_X(widget, "WallProfile", name);
    return widget;
}

QString geometryText(const QRect &r)
{
    return QStringLiteral("%1x%2%3%4%5%6")
        .arg(r.width()).arg(r.height())
        .arg(r.x() < 0 ? "" : "+").arg(r.x())
        .arg(r.y() < 0 ? "" : "+").arg(r.y());
}

// A placement left on an output that has been unplugged since would open
// the window where nobody sees it.
QRect ontoDesktop(const QRect &placement)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen->geometry().intersects(placement))
            return placement;
    }
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return placement;
    QRect moved = placement;
    moved.moveTopLeft(primary->geometry().topLeft());
    qWarning().noquote() << QCoreApplication::translate("WallProfile", "walltest: profile wall: %1 lies off the desktop; moved to %2")
                                .arg(geometryText(placement), geometryText(moved));
    return moved;
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
    , panel(panel)
    , window(panel->testPatternWindow())
    , form(panel->form())
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

    lastPattern = printPatternName(window->patternName());
    language = line.language;
    if (line.reset) {
        save();
    } else if (QFileInfo::exists(path())) {
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

void WallProfile::restore()
{
    if (settings->status() == QSettings::AccessError)
        qWarning().noquote() << QCoreApplication::translate("WallProfile", "walltest: cannot read the profile %1; using the defaults").arg(path());
    else if (settings->status() == QSettings::FormatError)
        qWarning().noquote() << QCoreApplication::translate("WallProfile", "walltest: profile %1: damaged lines skipped").arg(path());

    const ProfileReader reader(*settings);
    // Switches first: the cell-size spin boxes and the picture read them.
    for (const SwitchKey &key : switchKeys) {
        bool on = false;
        if (!reader.flag(QLatin1String(key.key), &on))
            continue;
        if (on || !key.off)
            control<QAbstractButton>(panel, key.on)->setChecked(on);
        else
            control<QAbstractButton>(panel, key.off)->setChecked(true);
    }
    for (const SpinKey &key : spinKeys) {
        auto *box = control<QSpinBox>(panel, key.spinBox);
        int value = 0;
        if (!reader.number(QLatin1String(key.key), box->minimum(), box->maximum(), &value))
            continue;
        if (key.quietSlider) {
            const QSignalBlocker quiet(box);
            box->setValue(value);
            control<QAbstractSlider>(panel, key.quietSlider)->setValue(value);
        } else {
            box->setValue(value);
        }
    }
    for (const WellKey &key : wellKeys) {
        QColor color;
        if (reader.color(QLatin1String(key.key), &color))
            panel->setWellColor(key.well, color);
    }
    QString picture;
    if (reader.text(picturePathKey, &picture) && !picture.isEmpty()) {
        if (QFileInfo(picture).isFile())
            panel->setPicturePath(picture);
        else
            ProfileReader::refuse(picturePathKey, QCoreApplication::translate("WallProfile", "no file \"%1\"").arg(picture));
    }
    restoreColorTable();
    restorePlacement();
    restorePattern();
}

// The placement goes through the panel's controls, so the panel shows it,
// and then onto the window whole: a side that equals the control's start
// value would not move the window by itself.
void WallProfile::restorePlacement()
{
    const ProfileReader reader(*settings);
    const QRect current = window->geometry();
    int sides[] = { current.width(), current.height(), current.x(), current.y() };
    bool usable = false;
    for (int i = 0; i < 4; ++i) {
        const auto *box = control<QSpinBox>(panel, placementKeys[i].spinBox);
        usable = reader.number(QLatin1String(placementKeys[i].key), box->minimum(), box->maximum(), &sides[i])
                 || usable;
    }
    if (!usable)
        return;
    const QRect placement = ontoDesktop(QRect(sides[2], sides[3], sides[0], sides[1]));
    form->spinBox_width->setValue(placement.width());
    form->spinBox_height->setValue(placement.height());
    form->spinBox_x->setValue(placement.x());
    form->spinBox_y->setValue(placement.y());
    window->setGeometry(placement);
}

// The table is sent as an edit on the panel sends it, which also lets the
// operator choose the cell size again.
void WallProfile::restoreColorTable()
{
    const ProfileReader reader(*settings);
    int columns = 0;
    int rows = 0;
    QVector<QColor> colors;
    // Both sides are read, so that both are reported when both are bad.
    const bool columnsRead = reader.number(tableColumnsKey, 1, largestTableSide, &columns);
    const bool rowsRead = reader.number(tableRowsKey, 1, largestTableSide, &rows);
    if (!columnsRead || !rowsRead || !reader.colors(tableColorsKey, columns * rows, &colors))
        return;
    QTableWidget *table = form->tableWidget;
    table->clearContents();
    table->setColumnCount(columns);
    table->setRowCount(rows);
    for (int i = 0; i < colors.size(); ++i) {
        auto *item = new QTableWidgetItem;
        item->setData(Qt::BackgroundRole, colors.at(i));
        table->setItem(i / columns, i % columns, item);
    }
    panel->on_pushButton_showcolbar_clicked();
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

// Restoring the controls may have left the hidden window on another
// pattern; the remembered one is what the operator saw last.
void WallProfile::showRememberedPattern()
{
    PatternName name;
    QString error;
    if (parsePatternName(lastPattern, &name, &error))
        window->showPattern(name);
}

void WallProfile::watchChanges()
{
    for (const SpinKey &key : placementKeys)
        connect(control<QSpinBox>(panel, key.spinBox), qOverload<int>(&QSpinBox::valueChanged), this,
                &WallProfile::scheduleSave);
    for (const SpinKey &key : spinKeys)
        connect(control<QSpinBox>(panel, key.spinBox), qOverload<int>(&QSpinBox::valueChanged), this,
                &WallProfile::scheduleSave);
    for (const SwitchKey &key : switchKeys)
        connect(control<QAbstractButton>(panel, key.on), &QAbstractButton::toggled, this, &WallProfile::scheduleSave);
    // The panel's own slots run first (connected by name when the form was
    // set up), so the picked colour or file is stored when the timer starts.
    for (const WellKey &key : wellKeys)
        connect(control<QAbstractButton>(panel, key.button), &QAbstractButton::clicked, this,
                &WallProfile::scheduleSave);
    connect(form->pushButton_filepath, &QAbstractButton::clicked, this, &WallProfile::scheduleSave);
    connect(panel, &MainWindow::sendcolorlist, this, &WallProfile::scheduleSave);
    connect(window, &dialog::xychange, this, &WallProfile::scheduleSave);
    connect(window, &dialog::whchange, this, &WallProfile::scheduleSave);
    // Whatever changes the pattern, the window repaints; the paint tells.
    window->installEventFilter(this);
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &WallProfile::save);
}

bool WallProfile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window) {
        if (event->type() == QEvent::Show && showPatternOnFirstShow) {
            showPatternOnFirstShow = false;
            showRememberedPattern();
        } else if (event->type() == QEvent::Paint) {
            patternShownSinceSave = true;
            scheduleSave();
        }
    }
    return QObject::eventFilter(watched, event);
}

void WallProfile::scheduleSave()
{
    if (writable && !saveTimer->isActive())
        saveTimer->start();
}

QVariantMap WallProfile::values() const
{
    QVariantMap v;
    // Full screen covers an output; the placement is the window's own.
    const QRect placement = window->isFullScreen() ? window->normalGeometry() : window->geometry();
    v.insert(QStringLiteral("wall/x"), placement.x());
    v.insert(QStringLiteral("wall/y"), placement.y());
    v.insert(QStringLiteral("wall/width"), placement.width());
    v.insert(QStringLiteral("wall/height"), placement.height());
    for (const SpinKey &key : spinKeys)
        v.insert(QLatin1String(key.key), control<QSpinBox>(panel, key.spinBox)->value());
    for (const SwitchKey &key : switchKeys)
        v.insert(QLatin1String(key.key), control<QAbstractButton>(panel, key.on)->isChecked());
    for (const WellKey &key : wellKeys)
        v.insert(QLatin1String(key.key), panel->wellColor(key.well).name());
    v.insert(picturePathKey, panel->picturePath());

    // Until the first edit the table has not reached the window (and the
    // cell-size choice is still locked): nothing to remember.
    if (form->radioButton_auto->isEnabled()) {
        const QTableWidget *table = form->tableWidget;
        QStringList names;
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem *item = table->item(r, c);
                names << (item ? item->data(Qt::BackgroundRole).value<QColor>() : QColor(Qt::white)).name();
            }
        }
        v.insert(tableColumnsKey, table->columnCount());
        v.insert(tableRowsKey, table->rowCount());
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
    if (patternShownSinceSave || window->isVisible()) {
        lastPattern = printPatternName(window->patternName());
        patternShownSinceSave = false;
    }
    const QVariantMap now = values();
    if (now == written)
        return;
    // Keys the profile does not know, damaged ones included, go; the remote
    // control keeps its token in the same file.
    for (const QString &key : settings->allKeys()) {
        if (!now.contains(key) && !key.startsWith(QLatin1String("remote/")))
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
