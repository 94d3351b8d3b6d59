#pragma once

// What every dialog test needs: lengths in centimetres with the C number format (the texts
// the tests type and compare), a quiet offscreen platform, reports that fail the test
// unless a RecordingSink expects them, and a way to answer a modal dialog from inside its
// event loop.

#include "PlatformNoise.h"
#include "gui/GuiTestDoubles.h"

#include "VelCore/VelLocale.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace DialogTest {

inline void setUpDialogTests()
{
    QLocale::setDefault(QLocale::c());
    VelSystem::VelLocale::setLengthUnit(VelSystem::VelLocale::Centimetre);
    VelSystem::HostTest::silencePlatformNoise();
    // A report no test asked for fails the test instead of waiting for a message box.
    VelSystem::VelCoreApplication::instance()->setSink(
        [](VelSystem::VelCoreApplication::ReportKind, const QString& text, const QString&, int) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected report: ") + text), __FILE__, __LINE__);
        });
}

// Runs `answer` on the modal dialog as soon as its event loop runs.
inline void answerModal(const std::function<void(QWidget*)>& answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY2(modal, "no modal dialog is open");
        answer(modal);
    });
}

// The text a user would type into `edit`, replacing what it shows.
inline void retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

template <typename T> T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

} // namespace DialogTest
