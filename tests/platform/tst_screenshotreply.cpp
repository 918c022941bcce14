// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/screenshotreply.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

Q_DECLARE_METATYPE(ScreenshotReply::Step)

// The portal's answer apart from the bus: where it comes, what it means, which file may be read, and
// where the picture lands on the desktop.
class TestScreenshotReply : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void requestPath_data();
    void requestPath();
    void decide_data();
    void decide();
    void pictureFile_data();
    void pictureFile();
    void takeFileReadsAndDeletes();
    void takeFileLeavesALinkAlone();
    void placedOnDesktop_data();
    void placedOnDesktop();

private:
    QTemporaryDir m_folder;
};

void TestScreenshotReply::requestPath_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("path");
    QTest::newRow("unique name") << ":1.42"
                                 << "gradora_1_7"
                                 << "/org/freedesktop/portal/desktop/request/1_42/gradora_1_7";
    QTest::newRow("every dot") << ":1.2.3"
                               << "t"
                               << "/org/freedesktop/portal/desktop/request/1_2_3/t";
    QTest::newRow("no colon") << "7.8"
                              << "t"
                              << "/org/freedesktop/portal/desktop/request/7_8/t";
}

void TestScreenshotReply::requestPath()
{
    QFETCH(QString, sender);
    QFETCH(QString, token);
    QFETCH(QString, path);
    QCOMPARE(ScreenshotReply::requestPath(sender, token), path);
}

void TestScreenshotReply::decide_data()
{
    using ScreenshotReply::Step;
    QTest::addColumn<bool>("withDialog");
    QTest::addColumn<uint>("response");
    QTest::addColumn<QVariantMap>("results");
    QTest::addColumn<Step>("step");
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("failureWord");
    const QVariantMap shot{{"uri", "file:///tmp/shot.png"}};
    QTest::newRow("quiet picture") << false << 0u << shot << Step::ReadFile << "file:///tmp/shot.png"
                                   << "";
    QTest::newRow("dialog picture") << true << 0u << shot << Step::ReadFile << "file:///tmp/shot.png"
                                    << "";
    QTest::newRow("success without uri") << false << 0u << QVariantMap() << Step::Fail << ""
                                         << "without";
    QTest::newRow("success with empty uri") << true << 0u << QVariantMap{{"uri", ""}} << Step::Fail << ""
                                            << "without";
    QTest::newRow("quiet refused by the user") << false << 1u << QVariantMap() << Step::Fail << ""
                                               << "refused";
    QTest::newRow("dialog cancelled") << true << 1u << QVariantMap() << Step::Fail << ""
                                      << "refused";
    QTest::newRow("quiet turned down") << false << 2u << QVariantMap() << Step::AskWithDialog << ""
                                       << "";
    QTest::newRow("dialog ended otherwise") << true << 2u << QVariantMap() << Step::Fail << ""
                                            << "could not";
    QTest::newRow("unknown code after the dialog") << true << 9u << shot << Step::Fail << ""
                                                   << "could not";
}

void TestScreenshotReply::decide()
{
    QFETCH(bool, withDialog);
    QFETCH(uint, response);
    QFETCH(QVariantMap, results);
    QFETCH(ScreenshotReply::Step, step);
    QFETCH(QString, uri);
    QFETCH(QString, failureWord);
    const ScreenshotReply::Decision decision = ScreenshotReply::decide(withDialog, response, results);
    QCOMPARE(decision.step, step);
    QCOMPARE(decision.uri.isEmpty() ? QString() : decision.uri, uri.isEmpty() ? QString() : uri);
    if (failureWord.isEmpty())
        QVERIFY(decision.failure.isEmpty());
    else
        QVERIFY2(decision.failure.contains(failureWord), qPrintable(decision.failure));
}

void TestScreenshotReply::pictureFile_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<bool>("taken");
    const QString folder = m_folder.path();
    QFile(folder + "/shot.png").open(QIODevice::WriteOnly);
    QFile(folder + "/with space.png").open(QIODevice::WriteOnly);
    QFile::link(folder + "/shot.png", folder + "/link.png");
    QDir(folder).mkdir("sub.png");
    const QString file = QUrl::fromLocalFile(folder + "/shot.png").toString();
    QTest::newRow("plain file") << file << true;
    QTest::newRow("escaped name") << QUrl::fromLocalFile(folder + "/with space.png").toString() << true;
    QTest::newRow("symbolic link") << QUrl::fromLocalFile(folder + "/link.png").toString() << false;
    QTest::newRow("folder") << QUrl::fromLocalFile(folder + "/sub.png").toString() << false;
    QTest::newRow("missing") << QUrl::fromLocalFile(folder + "/none.png").toString() << false;
    QTest::newRow("bare path") << folder + "/shot.png" << false;
    QTest::newRow("remote host") << "file://elsewhere" + folder + "/shot.png" << false;
    QTest::newRow("web address") << "https://127.0.0.1/shot.png" << false;
    QTest::newRow("document portal scheme") << "document:///shot.png" << false;
    QTest::newRow("empty") << "" << false;
}

void TestScreenshotReply::pictureFile()
{
    QFETCH(QString, uri);
    QFETCH(bool, taken);
    const ScreenshotReply::PictureFile file = ScreenshotReply::pictureFile(uri);
    QCOMPARE(!file.path.isEmpty(), taken);
    QCOMPARE(file.failure.isEmpty(), taken);
    if (taken)
        QCOMPARE(QUrl::fromLocalFile(file.path).toString(), uri);
}

void TestScreenshotReply::takeFileReadsAndDeletes()
{
    QImage shot(40, 30, QImage::Format_RGB32);
    shot.fill(QColor(10, 200, 30));
    const QString path = m_folder.path() + "/taken.png";
    QVERIFY(shot.save(path));
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOther);
    QCOMPARE(ScreenshotReply::takeFile(path).convertToFormat(QImage::Format_RGB32), shot);
    QVERIFY(!QFile::exists(path));

    // Not a picture: deleted all the same, and no image.
    const QString junk = m_folder.path() + "/junk.png";
    QFile file(junk);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    QVERIFY(ScreenshotReply::takeFile(junk).isNull());
    QVERIFY(!QFile::exists(junk));
}

void TestScreenshotReply::takeFileLeavesALinkAlone()
{
    QImage shot(4, 4, QImage::Format_RGB32);
    shot.fill(Qt::blue);
    const QString target = m_folder.path() + "/target.png";
    const QString link = m_folder.path() + "/planted.png";
    QVERIFY(shot.save(target));
    QVERIFY(QFile::link(target, link));
    QVERIFY(ScreenshotReply::takeFile(link).isNull());
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QFile::exists(target));
}

void TestScreenshotReply::placedOnDesktop_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("valid");
    const QList<QRect> one{QRect(0, 0, 1920, 1080)};
    const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QList<QRect> leftOfPrimary{QRect(0, 0, 1920, 1080), QRect(-1280, 56, 1280, 1024)};
    QTest::newRow("one screen") << QSize(1920, 1080) << one << QRect(0, 0, 1920, 1080) << 1.0 << true;
    QTest::newRow("doubled") << QSize(3840, 2160) << one << QRect(0, 0, 1920, 1080) << 2.0 << true;
    QTest::newRow("one and a quarter") << QSize(2400, 1350) << one << QRect(0, 0, 1920, 1080) << 1.25 << true;
    QTest::newRow("rounded height") << QSize(2880, 1621) << one << QRect(0, 0, 1920, 1080) << 1.5 << true;
    QTest::newRow("two side by side") << QSize(3200, 1080) << two << QRect(0, 0, 3200, 1080) << 1.0 << true;
    QTest::newRow("screen left of the primary")
        << QSize(3200, 1080) << leftOfPrimary << QRect(-1280, 0, 3200, 1080) << 1.0 << true;
    QTest::newRow("one screen of two") << QSize(1920, 1080) << two << QRect(0, 0, 3200, 1080) << 1.0 << false;
    QTest::newRow("no screens") << QSize(1920, 1080) << QList<QRect>() << QRect() << 1.0 << false;
    QTest::newRow("no picture") << QSize() << one << QRect(0, 0, 1920, 1080) << 1.0 << false;
}

void TestScreenshotReply::placedOnDesktop()
{
    QFETCH(QSize, image);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, area);
    QFETCH(qreal, scale);
    QFETCH(bool, valid);
    QImage picture;
    if (image.isValid()) {
        picture = QImage(image, QImage::Format_RGB32);
        picture.fill(Qt::white);
    }
    const ScreenPicture placed = ScreenshotReply::placedOnDesktop(picture, screens);
    QCOMPARE(placed.isValid(), valid);
    QCOMPARE(placed.failure.isEmpty(), valid);
    QCOMPARE(placed.area, area);
    if (valid) {
        QCOMPARE(placed.scale(), scale);
    } else {
        QVERIFY(placed.image.isNull());
    }
}

GRADORA_TEST_GUILESS_MAIN(TestScreenshotReply)
#include "tst_screenshotreply.moc"
