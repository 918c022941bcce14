// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "render/pictureloader.h"
#include "render/pictureplacement.h"
#include "testsupport.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <sys/stat.h>

Q_DECLARE_METATYPE(PictureLoader::Status)

namespace {
quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray &type, const QByteArray &data)
{
    return bigEndian(quint32(data.size())) + type + data + bigEndian(crc32(type + data));
}

// A well-formed PNG of the given size, 8-bit RGB, all black. With declareOnly the pixel data is left
// out, so the file is tiny whatever size its header claims.
QByteArray craftedPng(quint32 width, quint32 height, bool declareOnly)
{
    QByteArray header = bigEndian(width) + bigEndian(height);
    header += QByteArray::fromHex("0802000000"); // depth 8, RGB, deflate, no filter, not interlaced
    QByteArray rows;
    if (!declareOnly)
        rows = QByteArray(qsizetype(height) * (1 + 3 * qsizetype(width)), '\0');
    // qCompress puts a 4-byte length before the zlib stream that the PNG wants.
    const QByteArray stream = qCompress(rows).mid(4);
    return QByteArray::fromHex("89504E470D0A1A0A") + chunk("IHDR", header) + chunk("IDAT", stream) +
           chunk("IEND", {});
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator generator(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, generator.generate() | 0xFF000000u);
    return image;
}
} // namespace

class TestPicture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void placement_data();
    void placement();
    void placementMatchesToolkitScaling_data();
    void placementMatchesToolkitScaling();
    void loadFile_data();
    void loadFile();
    void refusesWhatIsNotAFile_data();
    void refusesWhatIsNotAFile();
    void keepsThePixels();

private:
    QTemporaryDir m_folder;
};

void TestPicture::placement_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("proportional");
    QTest::addColumn<QRect>("expected");

    const QSize window(200, 200);
    QTest::newRow("actual size, larger than the window")
        << QSize(400, 100) << window << false << false << QRect(0, 0, 400, 100);
    QTest::newRow("actual size ignores proportional")
        << QSize(50, 20) << window << false << true << QRect(0, 0, 50, 20);
    QTest::newRow("stretched distorts")
        << QSize(400, 100) << window << true << false << QRect(0, 0, 200, 200);
    QTest::newRow("proportional, wide picture")
        << QSize(400, 100) << window << true << true << QRect(0, 0, 200, 50);
    QTest::newRow("proportional, tall picture")
        << QSize(100, 400) << window << true << true << QRect(0, 0, 50, 200);
    QTest::newRow("proportional, the window's own size")
        << window << window << true << true << QRect(0, 0, 200, 200);
    QTest::newRow("proportional, same shape, smaller")
        << QSize(20, 20) << window << true << true << QRect(0, 0, 200, 200);
    QTest::newRow("proportional, smaller picture grows")
        << QSize(50, 25) << window << true << true << QRect(0, 0, 200, 100);
    QTest::newRow("proportional, height rounded")
        << QSize(300, 200) << QSize(100, 100) << true << true << QRect(0, 0, 100, 67);
    QTest::newRow("proportional, huge sizes do not overflow")
        << QSize(16384, 16384) << QSize(100000, 1) << true << true << QRect(0, 0, 1, 1);
    QTest::newRow("no picture") << QSize() << window << true << true << QRect();
    QTest::newRow("empty picture") << QSize(0, 10) << window << false << false << QRect();
}

void TestPicture::placement()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, window);
    QFETCH(bool, stretch);
    QFETCH(bool, proportional);
    QFETCH(QRect, expected);
    QCOMPARE(PicturePlacement::targetRect(picture, window, stretch, proportional), expected);
}

void TestPicture::placementMatchesToolkitScaling_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("window");
    QTest::newRow("fit to width") << QSize(300, 200) << QSize(100, 100);
    QTest::newRow("fit to height, odd sizes") << QSize(77, 333) << QSize(211, 199);
    QTest::newRow("grows") << QSize(7, 3) << QSize(640, 480);
    QTest::newRow("thin") << QSize(1000, 7) << QSize(640, 480);
}

// Fitting must give what scaling the picture with the toolkit's fast transformation gives.
void TestPicture::placementMatchesToolkitScaling()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, window);
    const QImage image(picture, QImage::Format_RGB32);
    const bool toWidth =
        double(window.width()) / picture.width() < double(window.height()) / picture.height();
    const QImage scaled = toWidth ? image.scaledToWidth(window.width(), Qt::FastTransformation)
                                  : image.scaledToHeight(window.height(), Qt::FastTransformation);
    QCOMPARE(PicturePlacement::targetRect(picture, window, true, true).size(), scaled.size());
}

void TestPicture::loadFile_data()
{
    using PictureLoader::Status;
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QSize>("size");

    const QByteArray png = encoded(noise(64, 48), "PNG");
    QTest::newRow("PNG") << png << Status::Loaded << QSize(64, 48);
    QTest::newRow("BMP, whatever the name says")
        << encoded(noise(5, 3), "BMP") << Status::Loaded << QSize(5, 3);
    QTest::newRow("crafted PNG at the side limit") << craftedPng(PictureLoader::kMaxSide, 1, false)
                                                   << Status::Loaded << QSize(PictureLoader::kMaxSide, 1);
    QTest::newRow("truncated PNG") << png.left(png.size() / 2) << Status::NotAPicture << QSize(0, 0);
    QTest::newRow("PNG signature only") << png.left(8) << Status::NotAPicture << QSize(0, 0);
    static const char garbage[] = "\x13\x37 this is not a picture at all \xff\xfe";
    QTest::newRow("garbage") << QByteArray(garbage, sizeof garbage - 1) << Status::NotAPicture << QSize(0, 0);
    QTest::newRow("empty file") << QByteArray() << Status::NotAPicture << QSize(0, 0);
    QTest::newRow("declares 60000 x 60000")
        << craftedPng(60000, 60000, true) << Status::TooLarge << QSize(0, 0);
    QTest::newRow("one pixel wider than the limit")
        << craftedPng(PictureLoader::kMaxSide + 1, 1, true) << Status::TooLarge << QSize(0, 0);
    QTest::newRow("sides allowed, too many pixels")
        << craftedPng(10000, 10000, true) << Status::TooLarge << QSize(0, 0);
    QTest::newRow("declares 2^31 - 1 wide")
        << craftedPng(0x7FFFFFFF, 1, true) << Status::NotAPicture << QSize(0, 0);
}

void TestPicture::loadFile()
{
    QFETCH(QByteArray, content);
    QFETCH(PictureLoader::Status, status);
    QFETCH(QSize, size);

    // Named .png whatever it holds: the content decides.
    const QString path = m_folder.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".png");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const PictureLoader::Result result = PictureLoader::load(path);
    QCOMPARE(result.status, status);
    QCOMPARE(result.image.size(), size);
    QCOMPARE(result.image.isNull(), status != PictureLoader::Status::Loaded);
}

void TestPicture::refusesWhatIsNotAFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("empty path") << QString();
    QTest::newRow("missing file") << m_folder.filePath("missing.png");
    QTest::newRow("folder") << m_folder.path();
    const QString pipe = m_folder.filePath("pipe.png");
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    QTest::newRow("named pipe, which would block") << pipe;
}

void TestPicture::refusesWhatIsNotAFile()
{
    QFETCH(QString, path);
    const PictureLoader::Result result = PictureLoader::load(path);
    QCOMPARE(result.status, PictureLoader::Status::NotAFile);
    QVERIFY(result.image.isNull());
}

void TestPicture::keepsThePixels()
{
    const QImage original = noise(9, 4);
    const QString path = m_folder.filePath("pixels.png");
    QVERIFY(original.save(path));
    const QImage loaded = PictureLoader::load(path).image;
    QCOMPARE(loaded.convertToFormat(QImage::Format_RGB32), original);
}

GRADORA_TEST_GUILESS_MAIN(TestPicture)
#include "tst_picture.moc"
