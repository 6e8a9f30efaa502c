// Placement of the test-pattern window, dragging and widening the panel.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"
#include "wallcontrol.h"

#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>

namespace {

const int collapsedWidth = 601;
const int widenedWidth = 792;
const int panelHeight = 302;
const int smallestSide = 50;

// Each control changes one side of the window's rectangle and keeps the
// other three as the window has them now.
void setLeft(QWidget *window, int x)
{
    const QRect g = window->geometry();
    window->setGeometry(x, g.y(), g.width(), g.height());
}

void setTop(QWidget *window, int y)
{
    const QRect g = window->geometry();
    window->setGeometry(g.x(), y, g.width(), g.height());
}

void setWidth(QWidget *window, int w)
{
    const QRect g = window->geometry();
    window->setGeometry(g.x(), g.y(), w, g.height());
}

void setHeight(QWidget *window, int h)
{
    const QRect g = window->geometry();
    window->setGeometry(g.x(), g.y(), g.width(), h);
}

// The panel has no title bar: the strip along its top (A) and the empty
// middle of the tab area (B) drag it instead.
bool inPanelDragZone(int x, int y)
{
    const bool zoneA = x >= 0 && x <= 499 && y >= 0 && y <= 29;
    const bool zoneB = x >= 301 && x <= 589 && y >= 31 && y <= 249;
    return zoneA || zoneB;
}

// Shows a value on a spin box and its slider without their slots placing
// the window. A value out of their range is left to the slots, which bring
// the window back into it as they always have.
void showValue(QSpinBox *box, QSlider *slider, int value)
{
    if (value < box->minimum() || value > box->maximum())
        return;
    const QSignalBlocker quietBox(box);
    const QSignalBlocker quietSlider(slider);
    box->setValue(value);
    slider->setValue(value);
}

void setRange(QSpinBox *box, QSlider *slider, int minimum, int maximum)
{
    box->setRange(minimum, maximum);
    slider->setRange(minimum, maximum);
}

} // namespace

void MainWindow::wirePlacement()
{
    connect(patternWindow, &dialog::xychange, this, &MainWindow::setxy);
    connect(patternWindow, &dialog::whchange, this, &MainWindow::setwh);
    patternWindow->installEventFilter(this);
    fitPlacementRanges();
    connect(qApp, &QGuiApplication::screenAdded, this, &MainWindow::fitPlacementRanges);
    connect(qApp, &QGuiApplication::screenRemoved, this, &MainWindow::fitPlacementRanges);
    showWindowPlacement();
}

// The controls follow the window however it moves: by the mouse, full
// screen, the window manager, the command line or the remote control.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == patternWindow && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show))
        showWindowPlacement();
    return QMainWindow::eventFilter(watched, event);
}

// Under the window's show and hide buttons: full screen on a chosen output,
// which a Wayland desktop allows although it places no window itself.
void MainWindow::addOutputChooser()
{
    outputChooser = new QComboBox(ui->pushButton_opendlg->parentWidget());
    outputChooser->setObjectName(QStringLiteral("comboBox_output"));
    outputChooser->setGeometry(610, 69, 151, 20);
    outputChooser->setToolTip(tr("Show the test-pattern window full screen on this output"));
    listOutputs();
    connect(qApp, &QGuiApplication::screenAdded, this, &MainWindow::listOutputs);
    connect(qApp, &QGuiApplication::screenRemoved, this, &MainWindow::listOutputs);
    connect(outputChooser, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        QString error;
        if (index == 0)
            wallControl->setFullScreen(false);
        else if (!wallControl->setFullScreenOn(outputChooser->itemText(index), &error))
            QMessageBox::warning(this, tr("WARNING"), error);
    });
    outputChooser->show();
}

void MainWindow::listOutputs()
{
    outputChooser->clear();
    outputChooser->addItem(tr("Full screen on…"));
    outputChooser->addItems(wallControl->outputs());
}

// Where the operator looks when placing the window; empty clears it.
void MainWindow::showPlacementWarning(const QString &warning)
{
    for (QWidget *control : std::initializer_list<QWidget *>{ ui->spinBox_x, ui->spinBox_y, ui->spinBox_width, ui->spinBox_height })
        control->setToolTip(warning);
}

void MainWindow::showWindowPlacement()
{
    const QRect g = patternWindow->geometry();
    showValue(ui->spinBox_x, ui->horizontalSlider_x, g.x());
    showValue(ui->spinBox_y, ui->horizontalSlider_y, g.y());
    showValue(ui->spinBox_width, ui->horizontalSlider_width, g.width());
    showValue(ui->spinBox_height, ui->horizontalSlider_height, g.height());
}

// A wall driven by several outputs can be larger than one 4K output: the
// controls then reach over the whole desktop.
void MainWindow::fitPlacementRanges()
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect desktop = primary ? primary->virtualGeometry() : QRect();
    const int wide = std::max({ 3840, desktop.width(), desktop.right() + 1 });
    const int high = std::max({ 2160, desktop.height(), desktop.bottom() + 1 });
    setRange(ui->spinBox_x, ui->horizontalSlider_x, -wide, wide);
    setRange(ui->spinBox_y, ui->horizontalSlider_y, -high, high);
    setRange(ui->spinBox_width, ui->horizontalSlider_width, smallestSide, wide);
    setRange(ui->spinBox_height, ui->horizontalSlider_height, smallestSide, high);
}

// A slider and its spin box set each other; the loop ends because neither
// reports a value it already holds. The spin box clamps before its slot runs,
// so the clamped value is what reaches the window.
void MainWindow::on_horizontalSlider_x_valueChanged(int x)
{
    setLeft(patternWindow, x);
    ui->spinBox_x->setValue(x);
}

void MainWindow::on_spinBox_x_valueChanged(int x)
{
    setLeft(patternWindow, x);
    ui->horizontalSlider_x->setValue(x);
}

void MainWindow::on_horizontalSlider_y_valueChanged(int y)
{
    setTop(patternWindow, y);
    ui->spinBox_y->setValue(y);
}

void MainWindow::on_spinBox_y_valueChanged(int y)
{
    setTop(patternWindow, y);
    ui->horizontalSlider_y->setValue(y);
}

void MainWindow::on_horizontalSlider_width_valueChanged(int w)
{
    setWidth(patternWindow, w);
    ui->spinBox_width->setValue(w);
}

void MainWindow::on_spinBox_width_valueChanged(int w)
{
    setWidth(patternWindow, w);
    ui->horizontalSlider_width->setValue(w);
}

void MainWindow::on_horizontalSlider_height_valueChanged(int h)
{
    setHeight(patternWindow, h);
    ui->spinBox_height->setValue(h);
}

void MainWindow::on_spinBox_height_valueChanged(int h)
{
    setHeight(patternWindow, h);
    ui->horizontalSlider_height->setValue(h);
}

void MainWindow::setxy(int x, int y)
{
    ui->spinBox_x->setValue(x);
    ui->spinBox_y->setValue(y);
}

void MainWindow::setwh(int w, int h)
{
    ui->spinBox_width->setValue(w);
    ui->spinBox_height->setValue(h);
}

void MainWindow::on_pushButton_extend_clicked()
{
    const QRect g = geometry();
    const bool widened = ui->pushButton_extend->isChecked();
    setGeometry(g.x(), g.y(), widened ? widenedWidth : collapsedWidth, panelHeight);
    ui->pushButton_extend->setText(widened ? QStringLiteral("<") : QStringLiteral(">"));
    ui->label_12->setVisible(widened);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    const QPoint cursor = QCursor::pos();
    pressCursorX = cursor.x();
    pressCursorY = cursor.y();
    pressWindowX = x();
    pressWindowY = y();
    pressLocalX = event->pos().x();
    pressLocalY = event->pos().y();
}

void MainWindow::mouseMoveEvent(QMouseEvent *)
{
    if (!inPanelDragZone(pressLocalX, pressLocalY))
        return;
    const QPoint cursor = QCursor::pos();
    move(pressWindowX + cursor.x() - pressCursorX, pressWindowY + cursor.y() - pressCursorY);
}
