#ifndef WALLCONTROL_H
#define WALLCONTROL_H

#include "clockhealth.h"
#include "framemeter.h"
#include "panelsettings.h"
#include "patternname.h"
#include "wallcanvas.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

class MainWindow;
class dialog;
namespace Ui { class MainWindow; }

// What the test-pattern window shows and where.
struct WallState
{
    QString pattern;            // canonical pattern name
    bool visible = false;
    QRect geometry;             // full screen: the screen's
    bool fullScreen = false;
    bool infoVisible = true;
    bool frameReadout = false;  // the window shows how fast it is redrawn
    QString output;             // the output the window is on
    QStringList outputs;
    FrameFigures frames;
    WallCanvas canvas;          // not set: the window is the whole canvas
    bool pastCanvas = false;    // the window reaches past its canvas
    ClockHealth clock;
};

struct PlacementRanges
{
    ValueRange x;
    ValueRange y;
    ValueRange width;
    ValueRange height;
};

// The one way in for whatever drives the wall besides the operator's hands
// on the panel: the command line, the remote control, the remembered
// profile and the tests. It acts through the panel's controls and the
// window's commands, so the panel always shows what the window does, and
// it tells of every change, whoever made it, with one signal.
class WallControl : public QObject
{
    Q_OBJECT

public:
    explicit WallControl(MainWindow *panel);

    // Sets the pattern whether the window shows or not; setWindowVisible
    // shows it. False with the reason in *error when the name is not a
    // pattern.
    bool showPattern(const QString &name, QString *error);
    void showPattern(const PatternName &name);
    PatternName currentPattern() const;

    // False with the reason in *error, the window left where it is, when a
    // side lies outside the range of its control.
    bool placeWindow(const QRect &placement, QString *error);
    PlacementRanges placementRanges() const;
    // WxH+X+Y, as the command line and the profile write a placement.
    static QString placementText(const QRect &placement);
    // Where the window sits when it does not cover a screen.
    QRect windowPlacement() const;

    // Showing the window leaves the start page, as "START" does.
    void setWindowVisible(bool visible);
    bool isWindowVisible() const;
    void setFullScreen(bool on);
    // Full screen on the output called `name` (QScreen::name()), which
    // Wayland allows although it lets no program place its window. False,
    // with the names there are in *error, when no output has that name.
    bool setFullScreenOn(const QString &name, QString *error);
    // Moves the window onto the output called `name` without showing it; an
    // empty name leaves it be.
    bool placeOnOutput(const QString &name, QString *error);
    QStringList outputs() const;
    void setInfoVisible(bool visible);
    // One tick of the scan lines, whatever the window shows over them;
    // false, doing nothing, while no scan lines are shown.
    bool stepScanLines();
    void setFrameReadoutVisible(bool visible);
    // The wall's canvas of which the window shows a part at its own size;
    // an unset one makes the window the whole canvas. False, changing
    // nothing, with the reason in *error, when the window's part does not
    // fit inside the canvas. A window resized past its canvas later shows
    // the base there.
    bool setCanvas(const WallCanvas &canvas, QString *error);
    WallCanvas canvas() const;
    // The wall group the identification pattern names, with its members
    // online; an empty name for none.
    void showWallGroup(const QString &name, int membersOnline);
    WallState state() const;

    PanelSettings panelSettings() const;
    // Puts the settings on the panel's controls as the operator would, apart
    // from the gray sweep's speed, which starts nothing. An empty picture
    // path or table leaves the panel's own.
    void setPanelSettings(const PanelSettings &settings);
    // The bounds of a number among the settings: its control's, or for the
    // colour table's sides the most a wall is given.
    ValueRange range(int PanelSettings::*setting) const;

signals:
    // The pattern, the placement, the window's visibility, full screen, the
    // information text or a panel setting changed. The patterns moving on
    // with time are no change.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRect ontoDesktop(const QRect &placement);
    void watchPanelSettings();
    void setColorTable(const PanelSettings &settings);

    MainWindow *panel;
    Ui::MainWindow *form;
    dialog *window;
};

#endif // WALLCONTROL_H
