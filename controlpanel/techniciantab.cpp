// The technician's patterns: a page of its own, chosen on the start page.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "technicianpage.h"
#include "wallcontrol.h"

#include <QtDebug>

namespace {

// The page with the model chooser and START.
const int startPage = 1;

} // namespace

void MainWindow::addTechnicianPage()
{
    auto *page = new TechnicianPage(ui->stackedWidget);
    const int index = ui->stackedWidget->addWidget(page);
    // The form's own entries choose the page of their own position; this
    // one names its page.
    ui->comboBox_page->addItem(tr("Technician patterns"), index);
    connect(page, &TechnicianPage::patternChosen, this, [this](const QString &name) {
        QString error;
        if (!wallControl->showPattern(name, &error))
            qWarning().noquote() << error;
    });
    connect(page, &TechnicianPage::backToMenu, this, [this] { ui->stackedWidget->setCurrentIndex(startPage); });
}
