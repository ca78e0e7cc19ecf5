#include "support/ShowWindow.h"

#include "Colr_frm/Colr_frm.h"
#include "platform/Form.h"
#include "platform/Timer.h"

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
