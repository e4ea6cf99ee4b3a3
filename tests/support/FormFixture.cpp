#include "support/FormFixture.h"

#include <QTest>

bool FormFixture::start(bool show)
{
    form = std::make_unique<Form1>(platform);
    if (!form->Form_Load()) return false;
    if (show) {
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    return true;
}
