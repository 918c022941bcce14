// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The network module of the update check: a question to our endpoint over Qt Network, loaded by the
// program with its first question (see prefs/versionquestion.h). It uses nothing of the program but
// that header.
#include "prefs/versionquestion.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

class NetworkQuestion : public VersionQuestion
{
public:
    NetworkQuestion(const QUrl &address, qint64 maxBytes, int timeoutMs, QObject *parent, Answered answered)
        : VersionQuestion(parent), m_maxBytes(maxBytes), m_answered(std::move(answered))
    {
        QNetworkRequest request(address);
        // A redirect may never take the request from HTTPS to plain HTTP.
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        m_reply = m_network->get(request);
        // A hostile or broken server must not make us hold more than the limit: the reply buffers
        // one byte beyond it, and that byte ends it.
        m_reply->setReadBufferSize(maxBytes + 1);
        QObject::connect(m_reply, &QNetworkReply::readyRead, this, [this] {
            if (m_reply->bytesAvailable() > m_maxBytes)
                giveUp();
        });
        QObject::connect(m_reply, &QNetworkReply::finished, this, [this] { finish(); });
        auto *deadline = new QTimer(this);
        deadline->setSingleShot(true);
        QObject::connect(deadline, &QTimer::timeout, this, [this] { giveUp(); });
        deadline->start(timeoutMs);
    }

    void giveUp() override
    {
        if (m_reply->isFinished())
            return;
        m_cutOff = true;
        m_reply->abort(); // finishes the reply, and with it the question
    }

    bool isFinished() const override { return m_reply->isFinished(); }

private:
    void finish()
    {
        Reply reply;
        reply.networkError = m_reply->error() != QNetworkReply::NoError;
        reply.httpStatus = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        reply.cutOff = m_cutOff;
        if (!m_cutOff) {
            reply.body = m_reply->read(m_maxBytes + 1);
            if (reply.body.size() > m_maxBytes) {
                reply.body.clear();
                reply.cutOff = true;
            }
        }
        m_answered(this, reply);
        deleteLater();
    }

    qint64 m_maxBytes;
    Answered m_answered;
    QNetworkAccessManager *m_network = new QNetworkAccessManager(this);
    QNetworkReply *m_reply = nullptr;
    bool m_cutOff = false;
};

} // namespace

extern "C" Q_DECL_EXPORT VersionQuestion *gradoraAskVersion(const QUrl &address, qint64 maxBytes, int timeoutMs,
                                                            QObject *parent, VersionQuestion::Answered answered)
{
    return new NetworkQuestion(address, maxBytes, timeoutMs, parent, std::move(answered));
}
