#pragma once

#include "main_window.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

// Finds the program's window and its controls by their names, as a user
// would find them by their captions.
inline QMainWindow* form1()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("Form1"))
            return qobject_cast<QMainWindow*>(widget);
    return nullptr;
}

inline QWidget* control(const QString& name)
{
    return form1() ? form1()->findChild<QWidget*>(name) : nullptr;
}

inline QPushButton* button(int number)
{
    return qobject_cast<QPushButton*>(control(QStringLiteral("Command%1").arg(number)));
}

// Builds the main window around `presenter` (nullptr: real message boxes),
// shows it and waits until it is the active window, as when a pupil starts
// the program. Returns nullptr if it never became active.
inline std::unique_ptr<ionvale::MainWindow> showMainWindow(ionvale::MessagePresenter* presenter = nullptr)
{
    auto window = std::make_unique<ionvale::MainWindow>(presenter);
    window->show();
    QApplication::setActiveWindow(form1());
    if (!QTest::qWaitForWindowActive(form1()))
        return nullptr;
    return window;
}

// The message boxes that are open now.
inline QList<QMessageBox*> openBoxes()
{
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            boxes.append(box);
    return boxes;
}

// A click that takes the window system's path, so that a modal box blocks it
// as it blocks the user's mouse.
inline void clickAsUser(QWidget* target, QPoint at = {})
{
    const QPoint local = at.isNull() ? target->rect().center() : at;
    QWindow* window = target->window()->windowHandle();
    const QPoint inWindow = target->mapTo(target->window(), local);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, inWindow);
}
