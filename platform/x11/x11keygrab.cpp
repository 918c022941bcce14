// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/x11/x11keygrab.h"

#include "platform/shortcutkey.h"

#include <QGuiApplication>

#if defined(GRADORA_HAVE_XCB) && QT_CONFIG(xcb)

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>
#include <xcb/xcb.h>

#include "platform/x11/x11screen.h"

namespace {

using namespace ShortcutKey;

constexpr uint8_t kBadAccess = 10;
constexpr quint32 kNumLockKeysym = 0xff7f;
constexpr int kModifierCount = 8;

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

struct KeyOnKeyboard
{
    xcb_keycode_t keycode = 0;
    bool needsShift = false;
};

// The first key of the keyboard that types `keysym`, unshifted or else shifted.
std::optional<KeyOnKeyboard> keyFor(xcb_connection_t *connection, quint32 keysym)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t *reply = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, uint8_t(count)), nullptr);
    if (!reply)
        return std::nullopt;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(reply);
    const int perKeycode = reply->keysyms_per_keycode;
    std::optional<KeyOnKeyboard> found;
    for (int column = 0; column < std::min(perKeycode, 2) && !found; ++column) {
        for (int index = 0; index < count; ++index) {
            if (keysyms[index * perKeycode + column] == keysym) {
                found = KeyOnKeyboard{xcb_keycode_t(setup->min_keycode + index), column == 1};
                break;
            }
        }
    }
    std::free(reply);
    return found;
}

// The modifier that NumLock sets on this keyboard: the one whose keys include NumLock's.
quint16 numLockMask(xcb_connection_t *connection)
{
    const std::optional<KeyOnKeyboard> numLock = keyFor(connection, kNumLockKeysym);
    xcb_get_modifier_mapping_reply_t *reply =
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr);
    quint16 mask = kNumLockMask;
    if (numLock && reply) {
        const xcb_keycode_t *keycodes = xcb_get_modifier_mapping_keycodes(reply);
        const int perModifier = reply->keycodes_per_modifier;
        for (int index = 0; index < kModifierCount * perModifier; ++index) {
            if (keycodes[index] == numLock->keycode) {
                mask = quint16(1u << (index / perModifier));
                break;
            }
        }
    }
    std::free(reply);
    return mask;
}

} // namespace

// One key grabbed on the root window, and the filter that hears it.
struct X11KeyGrab::Grab : public QAbstractNativeEventFilter
{
    Grab(xcb_connection_t *connection, xcb_window_t root, xcb_keycode_t keycode, quint16 modifiers,
         const std::function<void(bool down)> &pressed, const std::function<void()> &remapped)
        : connection(connection), root(root), keycode(keycode), modifiers(modifiers),
          numLock(numLockMask(connection)), lockVariants{0, kLockMask, numLock, quint16(kLockMask | numLock)},
          pressed(pressed), remapped(remapped)
    {
    }

    ~Grab() override
    {
        if (QCoreApplication *application = QCoreApplication::instance())
            application->removeNativeEventFilter(this);
        for (const quint16 variant : lockVariants)
            xcb_ungrab_key(connection, keycode, root, modifiers | variant);
        xcb_flush(connection);
    }

    // Grabs the key in every lock variant; false when another client holds it.
    bool take()
    {
        xcb_void_cookie_t cookies[std::size(lockVariants)];
        for (size_t i = 0; i < std::size(lockVariants); ++i)
            // The grab's events all go to the root window, even where one of the program's own
            // windows has the keyboard: a release told to that window would leave the key held.
            cookies[i] = xcb_grab_key_checked(connection, 0, root, modifiers | lockVariants[i], keycode,
                                              XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        bool taken = false;
        for (const xcb_void_cookie_t cookie : cookies) {
            if (xcb_generic_error_t *error = xcb_request_check(connection, cookie)) {
                taken = taken || error->error_code == kBadAccess;
                std::free(error);
            }
        }
        if (!taken)
            QCoreApplication::instance()->installNativeEventFilter(this);
        return !taken;
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const uint8_t type = event->response_type & ~0x80;
        if (type == XCB_MAPPING_NOTIFY) {
            // Another keymap may put the key, or NumLock, on other keycodes.
            const auto *mapping = reinterpret_cast<const xcb_mapping_notify_event_t *>(event);
            if (mapping->request == XCB_MAPPING_KEYBOARD || mapping->request == XCB_MAPPING_MODIFIER)
                remapped();
            return false; // the toolkit follows the keymap as well
        }
        if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
            return false;
        const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
        if (key->event != root || key->detail != keycode)
            return false;
        // The modifiers may be let go before the key: any release of the key ends the press.
        const quint16 state = key->state & ~(kLockMask | numLock) & 0xff;
        if (type == XCB_KEY_PRESS && state != modifiers)
            return false;
        pressed(type == XCB_KEY_PRESS);
        return true;
    }

    xcb_connection_t *connection;
    xcb_window_t root;
    xcb_keycode_t keycode;
    quint16 modifiers;
    quint16 numLock;
    // The key is grabbed with and without CapsLock and NumLock, whose lights should not matter.
    quint16 lockVariants[4];
    std::function<void(bool down)> pressed;
    std::function<void()> remapped;
};

bool X11KeyGrab::isAvailable()
{
    return connection() != nullptr;
}

void X11KeyGrab::bind(const QKeySequence &key)
{
    release();
    if (key.isEmpty()) {
        setState(State::Off, key);
        return;
    }
    const Translation translation = fromKeySequence(key);
    if (!translation.chord) {
        setState(State::Refused, key, refusalText(translation.refusal));
        return;
    }
    xcb_connection_t *const x = connection();
    xcb_screen_t *const screen = x ? X11Screen::screenAt(x, X11Screen::displayScreenNumber()) : nullptr;
    if (!screen) {
        setState(State::Unavailable, key);
        return;
    }
    const std::optional<KeyOnKeyboard> onKeyboard = keyFor(x, translation.chord->keysym);
    if (!onKeyboard) {
        setState(State::Refused, key,
                 tr("The keyboard has no key for %1.").arg(key.toString(QKeySequence::NativeText)));
        return;
    }
    const quint16 modifiers = translation.chord->x11Modifiers() | (onKeyboard->needsShift ? kShiftMask : 0);
    auto grab = std::make_unique<Grab>(
        x, screen->root, onKeyboard->keycode, modifiers, [this](bool down) { pressed(down); },
        [this] { QTimer::singleShot(0, this, [this] { bind(this->key()); }); });
    if (!grab->take()) {
        // Ungrabs the variants it did get: a half-held key would still be taken from the other client.
        grab.reset();
        setState(State::Taken, key);
        return;
    }
    m_grab = std::move(grab);
    setState(State::Active, key);
}

void X11KeyGrab::release()
{
    m_grab.reset();
    m_down = false;
}

#else

struct X11KeyGrab::Grab
{
};

bool X11KeyGrab::isAvailable()
{
    return false;
}

void X11KeyGrab::bind(const QKeySequence &key)
{
    setState(key.isEmpty() ? State::Off : State::Unavailable, key);
}

void X11KeyGrab::release() {}

#endif

X11KeyGrab::X11KeyGrab(QObject *parent) : GlobalShortcut(parent) {}

X11KeyGrab::~X11KeyGrab() = default;

void X11KeyGrab::pressed(bool down)
{
    // A held key repeats its presses: only the first one counts.
    if (down && !m_down)
        emit activated();
    m_down = down;
}
