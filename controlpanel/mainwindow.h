#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QColor>
#include <QMainWindow>
#include <QString>
#include <QVector>

class dialog;
class QPushButton;
class QComboBox;
class QLabel;
class WallControl;
namespace Ui { class MainWindow; }

// The control panel: a frameless card with a start page and a main page whose
// menu column selects six tabs of pattern controls. It owns the one
// test-pattern window and drives it through its commands.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    dialog *testPatternWindow() const { return patternWindow; }
    // The way in for the command line, the remote control and the profile.
    WallControl *control() const { return wallControl; }

    // The colours picked in the four colour wells and the chosen picture,
    // for what is remembered between runs. A colour set here shows in its
    // well and reaches the window with the next command that uses it; a
    // picture path is handed to the window as the file chooser hands it.
    // Neither switches the pattern.
    enum ColorWell { DarkWell, LightWell, BackgroundWell, LineWell };
    QColor wellColor(ColorWell well) const;
    void setWellColor(ColorWell well, const QColor &color);
    QString picturePath() const { return chosenPicturePath; }
    // Shows the picture as the file chooser does; it decodes in the background.
    void setPicturePath(const QString &path);

    // The wall group's name and members on the panel's bottom line, as the
    // group tells them; an empty text takes the line away.
    void setWallGroupStatus(const QString &text);

signals:
    void sendcolorlist(QVector<QColor>, int, int);

public slots:
    void on_pushButton_close_clicked();
    void on_tableWidget_cellDoubleClicked(int row, int column);
    void on_pushButton_closeall_clicked();
    void on_pushButton_opendlg_clicked();
    void on_pushButton_closedlg_clicked();
    void on_pushButton_p0_clicked();
    void on_pushButton_p1_clicked();
    void on_pushButton_p2_clicked();
    void on_pushButton_p3_clicked();
    void on_pushButton_p4_clicked();
    void on_pushButton_p5_clicked();
    void on_pushButton_mincol_clicked();
    void on_pushButton_addcol_clicked();
    void on_pushButton_minrow_clicked();
    void on_pushButton_addrow_clicked();
    void on_pushButton_extend_clicked();
    void on_pushButton_showcolbar_clicked();
    void on_pushButton_filepath_clicked();
    void on_checkBox_scale_stateChanged();
    void on_spinBox_step_valueChanged(int value);
    void on_horizontalSlider_x_valueChanged(int x);
    void on_spinBox_x_valueChanged(int x);
    void on_horizontalSlider_y_valueChanged(int y);
    void on_spinBox_y_valueChanged(int y);
    void on_horizontalSlider_width_valueChanged(int w);
    void on_spinBox_width_valueChanged(int w);
    void on_horizontalSlider_height_valueChanged(int h);
    void on_spinBox_height_valueChanged(int h);
    void on_spinBox_rectsize_valueChanged(int value);
    void on_pushButton_square_toggled(bool state);
    void on_pushButton_selectpage_clicked();
    void setwh(int w, int h);
    void setxy(int x, int y);
    void configwh();
    void setBGcolor(int);
    void setGrayScale();
    void setScanLine();
    void setoverlay();
    void setScanSpeed();
    void setGraySpeed(int);
    void setcontrasttest();
    void setGaryBar();
    void setGrayType();
    void setSpecialTest();
    void on_pushButton_dark_clicked();
    void on_pushButton_shallow_clicked();
    void on_pushButton_bgcol_clicked();
    void on_pushButton_linecol_clicked();
    void on_pushButton_scandirection_clicked();
    void on_pushButton_fonttest_clicked();
    void on_pushButton_usual_clicked();
    void graystart();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class WallControl;
    // The tests reach the form here alone (tests/windowstate.h).
    friend Ui::MainWindow *formOf(const MainWindow &panel);

    // Explicit connections and initial control states, one pair per tab file.
    void wireColorTable();
    void wireSolidGray();
    void wireScanSpecial();
    void wirePlacement();
    void showWindowPlacement();
    void showPlacementWarning(const QString &warning);
    void addOutputChooser();
    void addTechnicianPage();
    void listOutputs();
    void addWallStatus();
    void showWallStatus();
    void fitPlacementRanges();
    void initColorTableState();
    void initSolidGrayState();
    void initScanSpecialState();
    void sendScanLinesInfo();
    void pickWellColor(QColor &picked, QPushButton *well, void (MainWindow::*apply)());
    void showChosenPicture();
    void pictureDecodeStarted(const QString &path);
    void pictureDecodeEnded(const QString &path, const QString &problem);

    Ui::MainWindow *ui = nullptr;
    dialog *patternWindow = nullptr;
    QColor pickedDarkColor = Qt::black;
    QColor pickedLightColor = Qt::white;
    QColor pickedBackgroundColor = Qt::black;
    QColor pickedLineColor = Qt::white;
    int stepSetting = 1;
    int pressCursorX = 0;
    int pressCursorY = 0;
    int pressWindowX = 0;
    int pressWindowY = 0;
    int pressLocalX = -1;
    int pressLocalY = -1;
    QString chosenPicturePath;
    // The operator waits for the decode just started by a choice of theirs;
    // only its failure is worth a message box, not that of a reload.
    bool pictureAwaited = false;
    WallControl *wallControl = nullptr;
    QComboBox *outputChooser = nullptr;
    QLabel *wallStatus = nullptr;
    QLabel *wallGroupStatus = nullptr;
};

#endif // MAINWINDOW_H
