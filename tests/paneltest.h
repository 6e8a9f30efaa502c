// Shared by the control-panel suites: the panel on its main page, clicks as
// the operator makes them, and answers to the modal dialogs the panel opens.
#ifndef PANELTEST_H
#define PANELTEST_H

#include "windowstate.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QtTest>

#include <functional>

// Answers every modal dialog that opens while it lives, from inside the
// dialog's own event loop, so no test ever waits on one. Message boxes are
// recorded as "title: text" and closed; other dialogs get `answer`.
class ModalAnswerer : public QObject
{
public:
    using Answer = std::function<void(QDialog *)>;
    explicit ModalAnswerer(Answer answer = &QDialog::reject) : answer(std::move(answer))
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible())
                return;
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                warnings << box->windowTitle() + QStringLiteral(": ") + box->text();
                box->accept();
            } else {
                ++answered;
                this->answer(modal);
            }
        });
        poll.start(5);
    }
    int answered = 0;
    QStringList warnings;

private:
    Answer answer;
    QTimer poll;
};

// Accepts a colour dialog with `color`; an invalid colour cancels it.
inline ModalAnswerer::Answer pickColor(const QColor &color)
{
    return [color](QDialog *modal) {
        if (!color.isValid())
            return modal->reject();
        qobject_cast<QColorDialog *>(modal)->setCurrentColor(color);
        modal->accept();
    };
}

inline ModalAnswerer::Answer chooseFile(const QString &path)
{
    return [path](QDialog *modal) {
        qobject_cast<QFileDialog *>(modal)->selectFile(path);
        modal->accept();
    };
}

// A fresh panel on its main page with one tab open; the window's text is
// hidden so that pixel reads see the pattern alone.
struct Panel
{
    MainWindow window;
    Ui::MainWindow *ui = window.form();
    dialog *pattern = window.testPatternWindow();

    explicit Panel(int tab)
    {
        ui->stackedWidget->setCurrentIndex(0);
        ui->tabWidget->setCurrentIndex(tab);
        editState(*pattern).infoVisible = false;
        window.show();
    }

    template<class T = QAbstractButton>
    T *find(const QString &name) const { return window.findChild<T *>(name); }

    void click(const QString &name)
    {
        auto *button = find(name);
        QVERIFY2(button && button->isVisible(), qPrintable(name));
        // Check boxes take the click on their indicator.
        const bool checkBox = button->inherits("QCheckBox");
        QTest::mouseClick(button, Qt::LeftButton, {}, checkBox ? QPoint(6, button->height() / 2) : button->rect().center());
    }
};

#endif // PANELTEST_H
