// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/portalscreenshot.h"

#include "platform/wayland/screenshotreply.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QPointer>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>

namespace {

QList<QRect> screenRects()
{
    QList<QRect> rects;
    for (const QScreen *screen : QGuiApplication::screens())
        rects.append(screen->geometry());
    return rects;
}

} // namespace

// One picture asked of the portal, from the first call to the answer; it deletes itself when done.
class PortalRequest : public QObject
{
    Q_OBJECT
public:
    PortalRequest(QObject *context, const Desktop::PictureReady &ready, int quietMs, int dialogMs)
        : m_context(context), m_ready(ready), m_quietMs(quietMs), m_dialogMs(dialogMs),
          m_bus(QDBusConnection::sessionBus())
    {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &PortalRequest::timedOut);
    }

    void ask(bool withDialog)
    {
        m_withDialog = withDialog;
        if (!m_bus.isConnected()) {
            finish(ScreenshotReply::noPortalText());
            return;
        }
        static quint32 serial = 0;
        const QString token =
            QStringLiteral("gradora_%1_%2").arg(++serial).arg(QRandomGenerator::global()->generate());
        listen(ScreenshotReply::requestPath(m_bus.baseService(), token));
        QDBusMessage call = QDBusMessage::createMethodCall(
            ScreenshotReply::kPortalService, ScreenshotReply::kPortalPath,
            ScreenshotReply::kScreenshotInterface, QStringLiteral("Screenshot"));
        const QVariantMap options{{QStringLiteral("handle_token"), token},
                                  {QStringLiteral("interactive"), withDialog},
                                  {QStringLiteral("modal"), true}};
        call << QString() << options;
        m_timer.start(withDialog ? m_dialogMs : m_quietMs);
        auto *watcher =
            new QDBusPendingCallWatcher(m_bus.asyncCall(call, withDialog ? m_dialogMs : m_quietMs), this);
        const int attempt = ++m_attempts;
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, attempt](QDBusPendingCallWatcher *finished) { called(finished, attempt); });
    }

private Q_SLOTS:
    void answered(uint response, const QVariantMap &results)
    {
        m_timer.stop();
        stopListening();
        const ScreenshotReply::Decision decision = ScreenshotReply::decide(m_withDialog, response, results);
        if (m_late) {
            // Only the file is of interest now: the caller heard of the time-out long ago.
            if (decision.step == ScreenshotReply::Step::ReadFile)
                ScreenshotReply::takeFile(ScreenshotReply::pictureFile(decision.uri).path);
            deleteLater();
            return;
        }
        switch (decision.step) {
        case ScreenshotReply::Step::AskWithDialog:
            ask(true);
            return;
        case ScreenshotReply::Step::Fail:
            finish(decision.failure);
            return;
        case ScreenshotReply::Step::ReadFile:
            break;
        }
        const ScreenshotReply::PictureFile file = ScreenshotReply::pictureFile(decision.uri);
        if (!file.failure.isEmpty()) {
            finish(file.failure);
            return;
        }
        deliver(ScreenshotReply::placedOnDesktop(ScreenshotReply::takeFile(file.path), screenRects()));
    }

private:
    // The portal's reply to the call of one attempt: the request's handle, or an error.
    void called(QDBusPendingCallWatcher *watcher, int attempt)
    {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        // A reply to the quiet attempt that comes after its answer has nothing more to say.
        if (m_late || m_done || attempt != m_attempts)
            return;
        if (reply.isError()) {
            m_timer.stop();
            stopListening();
            if (ScreenshotReply::meansNoPortal(reply.error()))
                finish(ScreenshotReply::noPortalText());
            else
                finish(tr("The desktop could not take a picture of the screen: %1")
                           .arg(reply.error().message()));
            return;
        }
        // Portals older than the handle token answer on a path of their own choosing.
        const QString handle = reply.value().path();
        if (!m_paths.contains(handle))
            listen(handle);
    }

    void timedOut()
    {
        stopListeningLater();
        const int limitMs = m_withDialog ? m_dialogMs : m_quietMs;
        finish(ScreenshotReply::timedOutText((limitMs + 999) / 1000));
    }

    // The portal may still answer with a file: the request is closed, and stays a while to delete it.
    void stopListeningLater()
    {
        m_late = true;
        for (const QString &path : std::as_const(m_paths))
            m_bus.asyncCall(QDBusMessage::createMethodCall(ScreenshotReply::kPortalService, path,
                                                           ScreenshotReply::kRequestInterface,
                                                           QStringLiteral("Close")));
        QTimer::singleShot(PortalScreenshot::kLateAnswerMs, this, [this] {
            stopListening();
            deleteLater();
        });
    }

    void listen(const QString &path)
    {
        m_paths.append(path);
        m_bus.connect(ScreenshotReply::kPortalService, path, ScreenshotReply::kRequestInterface,
                      QStringLiteral("Response"), this, SLOT(answered(uint, QVariantMap)));
    }

    void stopListening()
    {
        for (const QString &path : std::as_const(m_paths))
            m_bus.disconnect(ScreenshotReply::kPortalService, path, ScreenshotReply::kRequestInterface,
                             QStringLiteral("Response"), this, SLOT(answered(uint, QVariantMap)));
        m_paths.clear();
    }

    void finish(const QString &failure)
    {
        ScreenPicture picture;
        picture.failure = failure;
        deliver(picture);
    }

    void deliver(const ScreenPicture &picture)
    {
        if (m_done)
            return;
        m_done = true;
        if (m_context)
            m_ready(picture);
        if (!m_late)
            deleteLater();
    }

    QPointer<QObject> m_context;
    Desktop::PictureReady m_ready;
    int m_quietMs;
    int m_dialogMs;
    QDBusConnection m_bus;
    QTimer m_timer;
    QStringList m_paths;
    bool m_withDialog = false;
    int m_attempts = 0;
    bool m_done = false;
    bool m_late = false;
};

PortalScreenshot::PortalScreenshot(QObject *parent) : QObject(parent) {}

void PortalScreenshot::take(QObject *context, const Desktop::PictureReady &ready)
{
    auto *request = new PortalRequest(context, ready, m_quietTimeoutMs, m_dialogTimeoutMs);
    // The request outlives a closed caller (it still has a file to delete), not the program.
    request->setParent(this);
    request->ask(false);
}

void PortalScreenshot::setTimeouts(int quietMs, int dialogMs)
{
    m_quietTimeoutMs = quietMs;
    m_dialogTimeoutMs = dialogMs;
}

#include "portalscreenshot.moc"
