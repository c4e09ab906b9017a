// The login window's picture comes from the resource compiled into the
// program: missing from it, or of the wrong size, it fails here.

#include "support/test_main.h"
#include "users/windows/login_window_picture.h"

#include <QTest>

class LoginPictureTest : public QObject {
    Q_OBJECT

private slots:
    void loginPictureHasItsSize();
};

void LoginPictureTest::loginPictureHasItsSize() {
    QCOMPARE(velmora::users::loginPicture().size(), velmora::users::kLoginPictureSize);
}

VELMORA_TEST_MAIN(LoginPictureTest)
#include "login_picture_test.moc"
