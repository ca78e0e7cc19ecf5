// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ShowWindow.h"

#include "platform/Form.h"
#include "platform/Timer.h"
#include "windows/Colr_frm/Colr_frm.h"

#include <QApplication>
#include <QTest>

::testing::AssertionResult showAndActivate(TForm& form)
{
    form.Show();
    if (!QTest::qWaitForWindowExposed(&form))
        return ::testing::AssertionFailure() << "window never exposed";
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form))
        return ::testing::AssertionFailure() << "window never active";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult startAlone(TColor_Scan& window)
{
    window.DoCreate();
    window.TmrSplash->setEnabled(false);
    return showAndActivate(window);
}

::testing::AssertionResult chooseFromMenu(TForm& form, Qt::Key menuKey, Qt::Key itemKey)
{
    // A box that just closed may have left no window active.
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form))
        return ::testing::AssertionFailure() << "window never active";
    QTest::keyClick(&form, menuKey, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    if (!menu)
        return ::testing::AssertionFailure() << "Alt and the access key opened no menu";
    QTest::keyClick(menu, itemKey);
    return ::testing::AssertionSuccess();
}
