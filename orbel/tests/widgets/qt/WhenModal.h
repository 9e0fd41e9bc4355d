#pragma once
// For window tests that open a modal window: a check run on it once it is up.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace orbel::testing {

// Runs `check` on the next modal window to appear (within five seconds), then closes it.
inline void WhenModal(std::function<void(QWidget*)> check)
{
    auto* timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, started, check] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && started->elapsed() < 5000)
            return;
        timer->stop();
        timer->deleteLater();
        if (!modal) {
            ADD_FAILURE() << "no modal window appeared";
            return;
        }
        check(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    timer->start(10);
}

} // namespace orbel::testing
