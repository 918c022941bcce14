// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Sends pointer and key input through the compositor's virtual pointer and virtual keyboard, as a
// person at the machine would: native and XWayland clients get it from the seat like any other input,
// modifiers included (tools that type through XTEST or send only the modifier state lose them on
// XWayland). Usage: virtual-input COMMAND...
//
//   move X Y            put the pointer at X, Y of the compositor's space
//   press [BUTTON]      press a button: left (the default), middle or right
//   release [BUTTON]    release it
//   click [BUTTON]      press and release it
//   drag X1 Y1 X2 Y2    press the left button at X1, Y1, go to X2, Y2 in steps and release it there
//   key CHORD           press and release a key with its modifiers: e, Escape, alt+shift+m, ctrl+c
//   sleep MS            wait
//   hold                keep this pointer and keyboard plugged in until the program is ended
//
// Exits 0 once the compositor has taken every command, 2 for a command it does not know, 1 when the
// compositor offers no virtual pointer or keyboard.

#include "virtual-keyboard-client.h"
#include "virtual-pointer-client.h"

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

// Pauses that let the compositor and the clients behind it follow, as a hand would.
constexpr int kStepPauseMs = 15;
constexpr int kDragSteps = 20;
constexpr int kHoldBeforeDragMs = 300;
// Programs choose what a drag does from where the pointer hovers before the press.
constexpr int kHoverBeforePressMs = 150;
// A new keyboard brings its keymap to XWayland, which passes it on to its clients; a key sent at once
// can reach a Qt client before it has taken the new map, and is lost.
constexpr int kNewKeyboardSettleMs = 300;

void pause(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

uint32_t now()
{
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

struct Output
{
    int32_t x = 0, y = 0, width = 0, height = 0, scale = 1;
};

struct Session
{
    wl_display *display = nullptr;
    wl_seat *seat = nullptr;
    zwlr_virtual_pointer_manager_v1 *pointerManager = nullptr;
    zwp_virtual_keyboard_manager_v1 *keyboardManager = nullptr;
    std::vector<Output *> outputs;
    zwlr_virtual_pointer_v1 *pointer = nullptr;
    zwp_virtual_keyboard_v1 *keyboard = nullptr;
    xkb_context *xkb = nullptr;
    xkb_keymap *keymap = nullptr;
    xkb_state *state = nullptr;
    int pointerX = 0, pointerY = 0;
};

void outputGeometry(void *data, wl_output *, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char *,
                    const char *, int32_t)
{
    auto *output = static_cast<Output *>(data);
    output->x = x;
    output->y = y;
}

void outputMode(void *data, wl_output *, uint32_t flags, int32_t width, int32_t height, int32_t)
{
    auto *output = static_cast<Output *>(data);
    if (flags & WL_OUTPUT_MODE_CURRENT) {
        output->width = width;
        output->height = height;
    }
}

void outputDone(void *, wl_output *) {}

void outputScale(void *data, wl_output *, int32_t factor)
{
    static_cast<Output *>(data)->scale = std::max(1, factor);
}

// Filled by name: newer protocol versions add members that this client does not bind.
const wl_output_listener kOutputListener = [] {
    wl_output_listener listener{};
    listener.geometry = outputGeometry;
    listener.mode = outputMode;
    listener.done = outputDone;
    listener.scale = outputScale;
    return listener;
}();

void global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    auto *session = static_cast<Session *>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !session->seat) {
        session->seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        session->pointerManager = static_cast<zwlr_virtual_pointer_manager_v1 *>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        session->keyboardManager = static_cast<zwp_virtual_keyboard_manager_v1 *>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
        auto *output = new Output;
        session->outputs.push_back(output);
        auto *proxy = static_cast<wl_output *>(wl_registry_bind(registry, name, &wl_output_interface, 2));
        wl_output_add_listener(proxy, &kOutputListener, output);
    }
}

void globalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener kRegistryListener = {global, globalRemove};

// The box around all outputs in the compositor's space; absolute pointer positions are parts of it.
void layoutBox(const Session &session, int &left, int &top, int &right, int &bottom)
{
    left = top = 0;
    right = bottom = 0;
    bool first = true;
    for (const Output *output : session.outputs) {
        const int r = output->x + output->width / output->scale;
        const int b = output->y + output->height / output->scale;
        left = first ? output->x : std::min(left, output->x);
        top = first ? output->y : std::min(top, output->y);
        right = first ? r : std::max(right, r);
        bottom = first ? b : std::max(bottom, b);
        first = false;
    }
}

void sync(Session &session)
{
    wl_display_roundtrip(session.display);
}

void movePointer(Session &session, int x, int y)
{
    int left, top, right, bottom;
    layoutBox(session, left, top, right, bottom);
    const int clampedX = std::clamp(x, left, right - 1);
    const int clampedY = std::clamp(y, top, bottom - 1);
    zwlr_virtual_pointer_v1_motion_absolute(session.pointer, now(), uint32_t(clampedX - left),
                                            uint32_t(clampedY - top), uint32_t(right - left),
                                            uint32_t(bottom - top));
    zwlr_virtual_pointer_v1_frame(session.pointer);
    session.pointerX = clampedX;
    session.pointerY = clampedY;
    sync(session);
}

void setButton(Session &session, uint32_t button, bool pressed)
{
    zwlr_virtual_pointer_v1_button(session.pointer, now(), button,
                                   pressed ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(session.pointer);
    sync(session);
}

void drag(Session &session, int fromX, int fromY, int toX, int toY)
{
    movePointer(session, fromX, fromY);
    pause(kHoverBeforePressMs);
    setButton(session, BTN_LEFT, true);
    pause(kHoldBeforeDragMs);
    for (int step = 1; step <= kDragSteps; ++step) {
        movePointer(session, fromX + (toX - fromX) * step / kDragSteps, fromY + (toY - fromY) * step / kDragSteps);
        pause(kStepPauseMs);
    }
    // A hand that comes to rest still reports where it is, and sway 1.7 now and then leaves a window
    // it resizes at the size of the motion before the last one until the next motion comes.
    pause(kStepPauseMs);
    movePointer(session, toX, toY);
    pause(kHoldBeforeDragMs);
    setButton(session, BTN_LEFT, false);
}

bool makeKeyboard(Session &session)
{
    session.xkb = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names = {"evdev", "pc105", "us", "", ""};
    session.keymap = session.xkb ? xkb_keymap_new_from_names(session.xkb, &names, XKB_KEYMAP_COMPILE_NO_FLAGS)
                                 : nullptr;
    if (!session.keymap)
        return false;
    session.state = xkb_state_new(session.keymap);
    char *text = xkb_keymap_get_as_string(session.keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = std::strlen(text) + 1;
    const int fd = memfd_create("virtual-input-keymap", MFD_CLOEXEC);
    const bool written = fd >= 0 && write(fd, text, size) == ssize_t(size);
    std::free(text);
    if (!written)
        return false;
    session.keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(session.keyboardManager, session.seat);
    zwp_virtual_keyboard_v1_keymap(session.keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, uint32_t(size));
    close(fd);
    sync(session);
    pause(kNewKeyboardSettleMs);
    return true;
}

// The key code that gives the symbol, and whether Shift is needed for it; 0 when no key gives it.
xkb_keycode_t keyFor(const Session &session, xkb_keysym_t symbol, bool &shifted)
{
    const xkb_keycode_t last = xkb_keymap_max_keycode(session.keymap);
    for (xkb_level_index_t level = 0; level < 2; ++level) {
        for (xkb_keycode_t code = xkb_keymap_min_keycode(session.keymap); code <= last; ++code) {
            const xkb_keysym_t *symbols = nullptr;
            const int count = xkb_keymap_key_get_syms_by_level(session.keymap, code, 0, level, &symbols);
            if (std::find(symbols, symbols + count, symbol) != symbols + count) {
                shifted = level == 1;
                return code;
            }
        }
    }
    return 0;
}

void sendKey(Session &session, xkb_keycode_t code, bool pressed)
{
    zwp_virtual_keyboard_v1_key(session.keyboard, now(), code - 8,
                                pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    // The compositor takes the modifiers from the client, not from the keys.
    xkb_state_update_key(session.state, code, pressed ? XKB_KEY_DOWN : XKB_KEY_UP);
    zwp_virtual_keyboard_v1_modifiers(session.keyboard, xkb_state_serialize_mods(session.state, XKB_STATE_MODS_DEPRESSED),
                                      xkb_state_serialize_mods(session.state, XKB_STATE_MODS_LATCHED),
                                      xkb_state_serialize_mods(session.state, XKB_STATE_MODS_LOCKED),
                                      xkb_state_serialize_layout(session.state, XKB_STATE_LAYOUT_EFFECTIVE));
    sync(session);
    pause(kStepPauseMs);
}

xkb_keysym_t symbolNamed(const std::string &name)
{
    static const struct
    {
        const char *alias;
        const char *symbol;
    } kModifiers[] = {{"ctrl", "Control_L"}, {"control", "Control_L"}, {"shift", "Shift_L"},
                      {"alt", "Alt_L"},      {"super", "Super_L"},     {"meta", "Super_L"}};
    for (const auto &modifier : kModifiers) {
        if (name == modifier.alias)
            return xkb_keysym_from_name(modifier.symbol, XKB_KEYSYM_NO_FLAGS);
    }
    const xkb_keysym_t exact = xkb_keysym_from_name(name.c_str(), XKB_KEYSYM_NO_FLAGS);
    return exact != XKB_KEY_NoSymbol ? exact : xkb_keysym_from_name(name.c_str(), XKB_KEYSYM_CASE_INSENSITIVE);
}

// Presses the keys of a chord in order ("alt+shift+m": Alt, Shift, M) and releases them in reverse;
// the plus key is "plus".
bool typeChord(Session &session, const std::string &chord)
{
    if (!session.keyboard && !makeKeyboard(session))
        return false;
    std::vector<xkb_keycode_t> codes;
    size_t start = 0;
    while (start <= chord.size()) {
        const size_t end = std::min(chord.find('+', start), chord.size());
        const std::string name = chord.substr(start, end - start);
        bool shifted = false;
        const xkb_keycode_t code = keyFor(session, symbolNamed(name), shifted);
        if (code == 0) {
            std::fprintf(stderr, "virtual-input: no key gives \"%s\"\n", name.c_str());
            return false;
        }
        if (shifted)
            codes.push_back(keyFor(session, XKB_KEY_Shift_L, shifted));
        codes.push_back(code);
        start = end + 1;
    }
    for (xkb_keycode_t code : codes)
        sendKey(session, code, true);
    for (auto code = codes.rbegin(); code != codes.rend(); ++code)
        sendKey(session, *code, false);
    return true;
}

// Leaves `button` alone for a name that is no button.
bool buttonNamed(const std::string &name, uint32_t &button)
{
    const uint32_t named = name == "left" ? BTN_LEFT : name == "right" ? BTN_RIGHT : name == "middle" ? BTN_MIDDLE : 0;
    if (named != 0)
        button = named;
    return named != 0;
}

bool isNumber(const char *text)
{
    if (!text || !*text)
        return false;
    char *end = nullptr;
    std::strtol(text, &end, 10);
    return *end == '\0';
}

int number(const char *text)
{
    return int(std::strtol(text, nullptr, 10));
}

// Runs the commands; the index of the first that could not run, or -1.
int run(Session &session, int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string command = argv[i];
        auto numbersFollow = [&](int count) {
            for (int k = 1; k <= count; ++k) {
                if (i + k >= argc || !isNumber(argv[i + k]))
                    return false;
            }
            return true;
        };
        if (command == "move" && numbersFollow(2)) {
            movePointer(session, number(argv[i + 1]), number(argv[i + 2]));
            i += 2;
        } else if (command == "drag" && numbersFollow(4)) {
            drag(session, number(argv[i + 1]), number(argv[i + 2]), number(argv[i + 3]), number(argv[i + 4]));
            i += 4;
        } else if (command == "press" || command == "release" || command == "click") {
            uint32_t button = BTN_LEFT;
            if (i + 1 < argc && buttonNamed(argv[i + 1], button))
                ++i;
            if (command != "release")
                setButton(session, button, true);
            if (command == "click")
                pause(kStepPauseMs);
            if (command != "press")
                setButton(session, button, false);
        } else if (command == "key" && i + 1 < argc) {
            if (!typeChord(session, argv[++i]))
                return i;
        } else if (command == "sleep" && numbersFollow(1)) {
            pause(number(argv[++i]));
        } else if (command == "hold") {
            if (!session.keyboard && !makeKeyboard(session))
                return i;
            while (wl_display_dispatch(session.display) != -1) {
            }
            return -1;
        } else {
            return i;
        }
        pause(kStepPauseMs);
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    Session session;
    session.display = wl_display_connect(nullptr);
    if (!session.display) {
        std::fprintf(stderr, "virtual-input: no Wayland display\n");
        return 1;
    }
    wl_registry *registry = wl_display_get_registry(session.display);
    wl_registry_add_listener(registry, &kRegistryListener, &session);
    sync(session); // the globals
    sync(session); // the outputs' modes
    if (!session.seat || !session.pointerManager || !session.keyboardManager || session.outputs.empty()) {
        std::fprintf(stderr, "virtual-input: the compositor offers no virtual pointer and keyboard\n");
        return 1;
    }
    session.pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(session.pointerManager, session.seat);
    const int failed = run(session, argc, argv);
    if (failed >= 0)
        std::fprintf(stderr, "virtual-input: cannot run \"%s\" here\n", argv[failed]);
    zwlr_virtual_pointer_v1_destroy(session.pointer);
    if (session.keyboard)
        zwp_virtual_keyboard_v1_destroy(session.keyboard);
    sync(session);
    if (session.state)
        xkb_state_unref(session.state);
    if (session.keymap)
        xkb_keymap_unref(session.keymap);
    if (session.xkb)
        xkb_context_unref(session.xkb);
    for (Output *output : session.outputs)
        delete output;
    wl_display_disconnect(session.display);
    return failed >= 0 ? 2 : 0;
}
