// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// A native Wayland window of one colour and one fixed size, for the tests: it asks to be exactly
// WIDTH x HEIGHT (sway floats windows of a fixed size), fills itself with the colour, prints "shown"
// once the compositor has drawn it, and runs until it is ended. Its app id is gradora-colour-window.
// It reports the input it gets, one line each, so that a test can see what a native client receives:
//   pointer X Y                       the pointer entered or moved, in window coordinates
//   button CODE pressed|released      a pointer button (evdev code: 272 is the left button)
//   key CODE pressed|released MODS    a key (evdev code) and the modifiers held (XKB mask)
// Usage: colour-window WIDTH HEIGHT RRGGBB

#include "xdg-shell-client.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Window
{
    wl_compositor *compositor = nullptr;
    wl_shm *shm = nullptr;
    xdg_wm_base *shell = nullptr;
    wl_surface *surface = nullptr;
    wl_buffer *buffer = nullptr;
    wl_seat *seat = nullptr;
    wl_pointer *pointer = nullptr;
    wl_keyboard *keyboard = nullptr;
    uint32_t modifiers = 0;
    int width = 0;
    int height = 0;
    bool configured = false;
    bool shown = false;
};

__attribute__((format(printf, 1, 2))) void report(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
    std::fflush(stdout);
}

void global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t)
{
    auto *window = static_cast<Window *>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0)
        window->compositor = static_cast<wl_compositor *>(wl_registry_bind(registry, name, &wl_compositor_interface, 4));
    else if (std::strcmp(interface, wl_shm_interface.name) == 0)
        window->shm = static_cast<wl_shm *>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0)
        window->shell = static_cast<xdg_wm_base *>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
    else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !window->seat)
        window->seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
}

void globalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener kRegistryListener = {global, globalRemove};

void ping(void *, xdg_wm_base *shell, uint32_t serial)
{
    xdg_wm_base_pong(shell, serial);
}

const xdg_wm_base_listener kShellListener = {ping};

void frameDone(void *data, wl_callback *callback, uint32_t)
{
    wl_callback_destroy(callback);
    auto *window = static_cast<Window *>(data);
    if (!window->shown) {
        window->shown = true;
        report("shown\n");
    }
}

const wl_callback_listener kFrameListener = {frameDone};

// Whatever size the compositor suggests, the window keeps its own: the same buffer is shown again.
void surfaceConfigure(void *data, xdg_surface *surface, uint32_t serial)
{
    auto *window = static_cast<Window *>(data);
    xdg_surface_ack_configure(surface, serial);
    if (!window->configured) {
        window->configured = true;
        wl_surface_attach(window->surface, window->buffer, 0, 0);
        wl_surface_damage(window->surface, 0, 0, window->width, window->height);
        wl_callback_add_listener(wl_surface_frame(window->surface), &kFrameListener, window);
    }
    wl_surface_commit(window->surface);
}

const xdg_surface_listener kSurfaceListener = {surfaceConfigure};

void toplevelConfigure(void *, xdg_toplevel *, int32_t, int32_t, wl_array *) {}

void toplevelClose(void *, xdg_toplevel *)
{
    std::exit(0);
}

// Listeners are filled by name: newer protocol versions add members that this window does not bind.
const xdg_toplevel_listener kToplevelListener = [] {
    xdg_toplevel_listener listener{};
    listener.configure = toplevelConfigure;
    listener.close = toplevelClose;
    return listener;
}();

void pointerEnter(void *, wl_pointer *, uint32_t, wl_surface *, wl_fixed_t x, wl_fixed_t y)
{
    report("pointer %d %d\n", wl_fixed_to_int(x), wl_fixed_to_int(y));
}

void pointerLeave(void *, wl_pointer *, uint32_t, wl_surface *) {}

void pointerMotion(void *, wl_pointer *, uint32_t, wl_fixed_t x, wl_fixed_t y)
{
    report("pointer %d %d\n", wl_fixed_to_int(x), wl_fixed_to_int(y));
}

void pointerButton(void *, wl_pointer *, uint32_t, uint32_t, uint32_t button, uint32_t state)
{
    report("button %u %s\n", button, state == WL_POINTER_BUTTON_STATE_PRESSED ? "pressed" : "released");
}

void pointerAxis(void *, wl_pointer *, uint32_t, uint32_t, wl_fixed_t) {}

const wl_pointer_listener kPointerListener = [] {
    wl_pointer_listener listener{};
    listener.enter = pointerEnter;
    listener.leave = pointerLeave;
    listener.motion = pointerMotion;
    listener.button = pointerButton;
    listener.axis = pointerAxis;
    return listener;
}();

void keyboardKeymap(void *, wl_keyboard *, uint32_t, int32_t fd, uint32_t)
{
    close(fd);
}

void keyboardEnter(void *, wl_keyboard *, uint32_t, wl_surface *, wl_array *) {}
void keyboardLeave(void *, wl_keyboard *, uint32_t, wl_surface *) {}

void keyboardKey(void *data, wl_keyboard *, uint32_t, uint32_t, uint32_t key, uint32_t state)
{
    report("key %u %s %u\n", key, state == WL_KEYBOARD_KEY_STATE_PRESSED ? "pressed" : "released",
           static_cast<Window *>(data)->modifiers);
}

void keyboardModifiers(void *data, wl_keyboard *, uint32_t, uint32_t depressed, uint32_t latched, uint32_t locked,
                       uint32_t)
{
    static_cast<Window *>(data)->modifiers = depressed | latched | locked;
}

const wl_keyboard_listener kKeyboardListener = [] {
    wl_keyboard_listener listener{};
    listener.keymap = keyboardKeymap;
    listener.enter = keyboardEnter;
    listener.leave = keyboardLeave;
    listener.key = keyboardKey;
    listener.modifiers = keyboardModifiers;
    return listener;
}();

// The virtual devices come and go with the input client, and the seat's abilities with them.
void seatCapabilities(void *data, wl_seat *seat, uint32_t capabilities)
{
    auto *window = static_cast<Window *>(data);
    const bool pointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
    const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    if (pointer && !window->pointer) {
        window->pointer = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(window->pointer, &kPointerListener, window);
    } else if (!pointer && window->pointer) {
        wl_pointer_destroy(window->pointer);
        window->pointer = nullptr;
    }
    if (keyboard && !window->keyboard) {
        window->keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(window->keyboard, &kKeyboardListener, window);
    } else if (!keyboard && window->keyboard) {
        wl_keyboard_destroy(window->keyboard);
        window->keyboard = nullptr;
    }
}

const wl_seat_listener kSeatListener = [] {
    wl_seat_listener listener{};
    listener.capabilities = seatCapabilities;
    return listener;
}();

wl_buffer *solidBuffer(wl_shm *shm, int width, int height, uint32_t rgb)
{
    const int stride = width * 4;
    const size_t size = size_t(stride) * size_t(height);
    const int fd = memfd_create("colour-window", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, off_t(size)) != 0)
        return nullptr;
    void *pixels = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (pixels == MAP_FAILED)
        return nullptr;
    auto *pixel = static_cast<uint32_t *>(pixels);
    for (size_t i = 0; i < size / 4; ++i)
        pixel[i] = 0xff000000u | rgb;
    munmap(pixels, size);
    wl_shm_pool *pool = wl_shm_create_pool(shm, fd, int32_t(size));
    wl_buffer *buffer = wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    return buffer;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: colour-window WIDTH HEIGHT RRGGBB\n");
        return 2;
    }
    Window window;
    window.width = std::atoi(argv[1]);
    window.height = std::atoi(argv[2]);
    const auto rgb = uint32_t(std::strtoul(argv[3], nullptr, 16));
    if (window.width <= 0 || window.height <= 0) {
        std::fprintf(stderr, "colour-window: the size must be positive\n");
        return 2;
    }
    wl_display *display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "colour-window: no Wayland display\n");
        return 1;
    }
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &window);
    wl_display_roundtrip(display);
    if (!window.compositor || !window.shm || !window.shell) {
        std::fprintf(stderr, "colour-window: the compositor lacks wl_compositor, wl_shm or xdg_wm_base\n");
        return 1;
    }
    xdg_wm_base_add_listener(window.shell, &kShellListener, nullptr);
    if (window.seat)
        wl_seat_add_listener(window.seat, &kSeatListener, &window);
    window.buffer = solidBuffer(window.shm, window.width, window.height, rgb);
    if (!window.buffer) {
        std::fprintf(stderr, "colour-window: no shared memory for the picture\n");
        return 1;
    }
    window.surface = wl_compositor_create_surface(window.compositor);
    xdg_surface *surface = xdg_wm_base_get_xdg_surface(window.shell, window.surface);
    xdg_surface_add_listener(surface, &kSurfaceListener, &window);
    xdg_toplevel *toplevel = xdg_surface_get_toplevel(surface);
    xdg_toplevel_add_listener(toplevel, &kToplevelListener, &window);
    xdg_toplevel_set_app_id(toplevel, "gradora-colour-window");
    xdg_toplevel_set_title(toplevel, "Gradora test colour");
    xdg_toplevel_set_min_size(toplevel, window.width, window.height);
    xdg_toplevel_set_max_size(toplevel, window.width, window.height);
    wl_surface_commit(window.surface);
    while (wl_display_dispatch(display) != -1) {
    }
    return 0;
}
