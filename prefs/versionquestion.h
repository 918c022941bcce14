// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <QVariant>
#include <functional>

// One question of the update check to our endpoint, as the program sees it. The network part that
// asks lives in a module of its own (network/), loaded with the first question, so that a start
// never loads the network stack. The module and the program share nothing but this header and Qt:
// the class has no meta-object of its own, and everything in it is inline.
class VersionQuestion : public QObject
{
public:
    // What came back. The body holds at most the byte limit of the question; a reply that was given
    // up (too long, too slow, or by the user) comes with `cutOff` and no body.
    struct Reply
    {
        bool networkError = false;
        QVariant httpStatus; // invalid where the reply had none
        QByteArray body;
        bool cutOff = false;
    };
    // Called once, when the question ends in whatever way; the question is deleted after it returns.
    using Answered = std::function<void(VersionQuestion *question, const Reply &reply)>;

    // Gives the question up; the answer follows, cut off.
    virtual void giveUp() = 0;
    virtual bool isFinished() const = 0;

    // Asks `address` with a GET, keeping at most `maxBytes` of the body and waiting `timeoutMs` at
    // most. The question is a child of `parent`. Where the network module cannot be loaded, the
    // question ends at once as a failed one.
    static VersionQuestion *ask(const QUrl &address, qint64 maxBytes, int timeoutMs, QObject *parent,
                                Answered answered);

    // What the module exports under kAskSymbol.
    using AskFunction = VersionQuestion *(*)(const QUrl &address, qint64 maxBytes, int timeoutMs,
                                             QObject *parent, Answered answered);
    static constexpr char kAskSymbol[] = "gradoraAskVersion";
    // The module's file, beside the program in the build folder or in the installed module folder.
    static constexpr char kModuleFile[] = "gradora-network.so";

protected:
    explicit VersionQuestion(QObject *parent) : QObject(parent) {}
};
