#include "startoptions.h"

#include "dialog.h"
#include "commandline.h"
#include "dialog.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

void applyCommandLine(MainWindow &panel, const CommandLine &line)
{
    dialog *window = panel.testPatternWindow();
    Ui::MainWindow *form = panel.form();
    if (!line.geometry.isNull()) {
        form->spinBox_width->setValue(line.geometry.width());
        form->spinBox_height->setValue(line.geometry.height());
        form->spinBox_x->setValue(line.geometry.x());
        form->spinBox_y->setValue(line.geometry.y());
    }
    if (line.noInfo)
        window->setInfoVisible(false);
    if (!line.pattern.isEmpty()) {
        PatternName name;
        QString error;
        if (parsePatternName(line.pattern, &name, &error)) {
            panel.on_pushButton_selectpage_clicked();
            window->showPattern(name);
        }
    }
    if (line.fullscreen) {
        if (form->stackedWidget->currentIndex() == 1)
            panel.on_pushButton_selectpage_clicked();
        window->showFullScreen();
    }
}
