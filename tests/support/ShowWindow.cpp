#include "support/ShowWindow.h"

#include "platform/Form.h"

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
