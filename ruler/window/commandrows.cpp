// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The command table: each command's text, shortcut, keys, menu place and what the ruler does for it,
// which acts on the ruler's parts as the window hands them over.
#include "prefs/weblinks.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/window/commandrows.h"
#include "ruler/window/rulerparts.h"
#include "ruler/window/rulerwindow.h"

#include <QApplication>
#include <QUrl>

using C = RulerCommand;
using O = RulerOption;
using namespace RulerCommands;

Entry CommandRows::row(C command, Handler handler)
{
    Entry e;
    e.command = command;
    e.handler = handler;
    return e;
}

Entry CommandRows::toggle(C command, O option, const char *shortcut, Handler handler)
{
    Entry e = row(
        command, handler ? handler : [](RulerParts &r, C c) {
            r.state.toggle(*entry(c).option);
            r.window.update();
        });
    e.show(RulerOptionTable::entry(option).menuText, shortcut).check();
    e.option = option;
    return e;
}

void CommandRows::addWindowRows(Rows &t)
{
    const auto menu = Menu::Window;
    t.push_back(row(C::NewRuler,
                        [](RulerParts &r, C) {
                            r.pointer.setChord({});
                            emit r.window.newRulerRequested();
                        })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "New Ruler"), "Alt+N")
                    .key(Qt::Key_N, Chord::ExactlyAlt)
                    .in(menu));
    t.push_back(row(C::CloseRuler, [](RulerParts &r, C) { r.window.closeRuler(); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Close Ruler"), "Alt+W")
                    .key(Qt::Key_W, Chord::ExactlyAlt)
                    .conventionally(ConventionKeys::Command::CloseRuler)
                    .in(menu));
    t.push_back(row(C::BackgroundColor, [](RulerParts &r, C) { r.window.editColor(ColorTarget::Background); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Background Color"), "Alt+B")
                    .key(Qt::Key_B, Chord::ExactlyAlt)
                    .in(menu, true));
    t.push_back(row(C::RulerColor, [](RulerParts &r, C) { r.window.editColor(ColorTarget::Ruler); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Ruler Color"), "Alt+C")
                    .key(Qt::Key_C, Chord::ExactlyAlt)
                    .in(menu));
    t.push_back(row(C::GuidesColor, [](RulerParts &r, C) { r.window.editColor(ColorTarget::Guides); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Guides Color"), "Alt+G")
                    .key(Qt::Key_G, Chord::ExactlyAlt)
                    .in(menu));
    t.push_back(row(C::Transparency, [](RulerParts &r, C) { editTransparency(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Transparency"), "Alt+Shift+T")
                    .key(Qt::Key_T, Chord::AltShift)
                    .in(menu));
    t.push_back(toggle(C::StayOnTop, O::StayOnTop, "Alt+S", [](RulerParts &r, C) { toggleStayOnTop(r); })
                    .key(Qt::Key_S, Chord::ExactlyAlt)
                    .in(menu, true));
    t.push_back(
        toggle(C::SnapToScreen, O::SnapToScreen, "Alt+P", [](RulerParts &r, C) { toggleSnapToScreen(r); })
            .key(Qt::Key_P, Chord::ExactlyAlt)
            .in(menu));
    t.push_back(toggle(C::LockToScreen, O::LockToScreen, "Alt+L",
                       [](RulerParts &r, C) {
                           r.state.toggle(O::LockToScreen);
                           r.window.followWindowMove();
                       })
                    .key(Qt::Key_L, Chord::ExactlyAlt)
                    .in(menu));
    t.push_back(row(C::FullScreen, [](RulerParts &r, C) { toggleFullScreen(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Full Screen"), "Alt+F")
                    .check()
                    .key(Qt::Key_F, Chord::ExactlyAlt)
                    .conventionally(ConventionKeys::Command::LeaveFullScreen)
                    .in(menu));
}

void CommandRows::addViewRows(Rows &t)
{
    const auto menu = Menu::View;
    t.push_back(toggle(C::ShowFigure, O::ShowFigure, "`",
                       [](RulerParts &r, C) {
                           toggleFigure(r);
                           r.window.update();
                       })
                    .key(Qt::Key_QuoteLeft)
                    .key(Qt::Key_AsciiTilde)
                    .in(menu));
    t.push_back(toggle(C::ShowRotationCenter, O::ShowRotationCenter, "R").key(Qt::Key_R).in(menu));
    t.push_back(toggle(C::ShowControlPoints, O::HideControlPoints, "M",
                       [](RulerParts &r, C) {
                           toggleControlPoints(r);
                           r.window.update();
                       })
                    .key(Qt::Key_M)
                    .in(menu));
    t.back().checkShowsOpposite = true;
    t.push_back(toggle(C::BoldControlPoints, O::BoldControlPoints, "N",
                       [](RulerParts &r, C) {
                           if (!r.state.option(O::HideControlPoints))
                               r.state.toggle(O::BoldControlPoints);
                           r.window.update();
                       })
                    .key(Qt::Key_N)
                    .in(menu));
    t.push_back(toggle(C::ShowFigureReadings, O::ShowFigureReadings, "T",
                       [](RulerParts &r, C) {
                           if (r.state.option(O::ShowFigure))
                               r.state.toggle(O::ShowFigureReadings);
                           r.window.update();
                       })
                    .key(Qt::Key_T)
                    .in(menu));
    t.push_back(toggle(C::ShowBorder, O::ShowBorder, "B").key(Qt::Key_B).in(menu, true));
    t.push_back(toggle(C::ShowReadings, O::ShowReadings, "Y",
                       [](RulerParts &r, C) {
                           r.menu.setEnabled(C::MinimalReadings, r.state.toggle(O::ShowReadings));
                           r.window.update();
                       })
                    .key(Qt::Key_Y)
                    .in(menu));
    t.push_back(toggle(C::MinimalReadings, O::MinimalReadings, "Alt+Shift+Y",
                       [](RulerParts &r, C) {
                           toggleMinimalReadings(r);
                           r.window.update();
                       })
                    .key(Qt::Key_Y, Chord::AltShift)
                    .in(menu));
    t.push_back(toggle(C::ShowBottomRightLabels, O::ShowBottomRightLabels, "Alt+Shift+R")
                    .key(Qt::Key_R, Chord::AltShift)
                    .in(menu));
    t.push_back(toggle(C::ShowCentralPoint, O::ShowCentralPoint, "Alt+Shift+C")
                    .key(Qt::Key_C, Chord::AltShift)
                    .in(menu));
    t.push_back(toggle(C::ShowGuides, O::ShowGuides, "G").key(Qt::Key_G).in(menu, true));
    t.push_back(toggle(C::HoverGuides, O::HoverGuides, "H").key(Qt::Key_H).in(menu));
}

void CommandRows::addMoreViewRows(Rows &t)
{
    const auto menu = Menu::View;
    t.push_back(row(C::ClearGuides,
                        [](RulerParts &r, C) {
                            r.pointer.guides().clear();
                            r.window.update();
                        })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Clear All Guides"), "Alt+Shift+G")
                    .key(Qt::Key_G, Chord::AltShift)
                    .in(menu));
    t.push_back(row(C::ShowInfoPanel, [](RulerParts &r, C) { toggleInfoPanel(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Show Info Panel"), "/")
                    .check()
                    .key(Qt::Key_Slash)
                    .key(Qt::Key_Question)
                    .in(menu, true));
    // Named after the side it sends the panel to; the window renames it.
    t.push_back(row(C::PanelSide, [](RulerParts &r, C) { sendPanelToOtherSide(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Send Panel to Left"), ".")
                    .key(Qt::Key_Period)
                    .key(Qt::Key_Greater)
                    .in(menu));
    t.push_back(toggle(C::ShowTopTicker, O::ShowTopTicker).in(menu, true));
    t.push_back(toggle(C::ShowLeftTicker, O::ShowLeftTicker).in(menu));
    t.push_back(toggle(C::ShowBottomTicker, O::ShowBottomTicker).in(menu));
    t.push_back(toggle(C::ShowRightTicker, O::ShowRightTicker).in(menu));
    const Handler allTickers = [](RulerParts &r, C c) {
        for (O ticker : {O::ShowTopTicker, O::ShowLeftTicker, O::ShowRightTicker, O::ShowBottomTicker})
            r.state.setOption(ticker, c == C::ShowAllTickers);
        r.window.update();
    };
    t.push_back(row(C::ShowAllTickers, allTickers)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Show All Tickers"))
                    .in(menu));
    t.push_back(row(C::HideAllTickers, allTickers)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Hide All Tickers"))
                    .in(menu));
    t.push_back(toggle(C::AntiAliasing, O::AntiAliasing, "Alt+Shift+A",
                       [](RulerParts &r, C) {
                           r.state.toggle(O::AntiAliasing);
                           r.window.followWindowMove();
                       })
                    .key(Qt::Key_A, Chord::AltShift)
                    .in(menu, true));
    t.push_back(toggle(C::Megapixels, O::Megapixels).in(menu));
}

void CommandRows::addChoiceRows(Rows &t)
{
    const Handler unit = [](RulerParts &r, C c) { r.window.chooseUnit(*unitOf(c)); };
    const Handler editUnits = [](RulerParts &r, C c) {
        showPreferencesOn(r, c == C::EditUnits ? PreferencesPage::Units : PreferencesPage::PixelBasedUnits);
    };
    t.push_back(row(C::UnitPixels, unit)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Pixels"))
                    .check(Group::Unit)
                    .in(Menu::Unit));
    for (int i = 0; i < kUnitRows; ++i)
        t.push_back(row(physicalUnit(i), unit).show("").check(Group::Unit).in(Menu::Unit));
    t.push_back(
        row(C::EditUnits, editUnits).show(QT_TRANSLATE_NOOP("RulerWindow", "(Edit Units)")).in(Menu::Unit));
    for (int i = 0; i < kUnitRows; ++i)
        t.push_back(row(pixelUnit(i), unit).show("").check(Group::Unit).in(Menu::Unit, i == 0));
    t.push_back(row(C::EditPixelUnits, editUnits)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "(Edit Pixel-Based Units)"))
                    .in(Menu::Unit));

    const Handler corner = [](RulerParts &r, C c) { chooseStartCorner(r, c); };
    const Handler origin = [](RulerParts &r, C c) {
        r.state.setOption(O::StartFromPixelOne, c == C::StartFromPixelOne);
        r.window.update();
    };
    const auto menu = Menu::StartPoint;
    t.push_back(row(C::StartTopLeft, corner)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Top-Left"))
                    .check(Group::StartCorner)
                    .in(menu));
    t.push_back(row(C::StartTopRight, corner)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Top-Right"))
                    .check(Group::StartCorner)
                    .in(menu));
    t.push_back(row(C::StartBottomLeft, corner)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Bottom-Left"))
                    .check(Group::StartCorner)
                    .in(menu));
    t.push_back(row(C::StartBottomRight, corner)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Bottom-Right"))
                    .check(Group::StartCorner)
                    .in(menu));
    t.push_back(row(C::StartFromPixelZero, origin)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Rulers Start With Pixel 0"))
                    .check(Group::PixelOrigin)
                    .in(menu, true));
    t.push_back(row(C::StartFromPixelOne, origin)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Rulers Start With Pixel 1"))
                    .check(Group::PixelOrigin)
                    .in(menu));
}

void CommandRows::addPictureAndToolRows(Rows &t)
{
    auto menu = Menu::Image;
    t.push_back(row(C::OpenPicture, [](RulerParts &r, C) { openPicture(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Open Image"))
                    .in(menu));
    t.push_back(row(C::ActualSize, [](RulerParts &r, C) { showPictureAtActualSize(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Actual Size"))
                    .check()
                    .in(menu, true));
    t.push_back(row(C::StretchPicture, [](RulerParts &r, C) { stretchPicture(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Stretch Image"))
                    .check()
                    .in(menu));
    t.push_back(toggle(C::ProportionalPicture, O::ProportionalPicture, nullptr, [](RulerParts &r, C) {
                    toggleProportionalPicture(r);
                }).in(menu));
    t.push_back(toggle(C::TransparentPicture, O::TransparentPicture).in(menu));
    t.push_back(row(C::RulerToPictureSize, [](RulerParts &r, C) { fitRulerToPicture(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Ruler to Image Size"))
                    .in(menu));
    t.push_back(row(C::ClearPicture, [](RulerParts &r, C) { clearPicture(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Clear Image"))
                    .in(menu, true));

    menu = Menu::Tools;
    t.push_back(row(C::Magnifier, [](RulerParts &r, C) { emit r.window.magnifierRequested(); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Magnifier"), "Alt+Shift+M")
                    .key(Qt::Key_M, Chord::AltShift)
                    .in(menu));
    t.push_back(row(C::PositionAndSize, [](RulerParts &r, C) { editPositionAndSize(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Set Position / Size"), "Alt+Shift+P")
                    .key(Qt::Key_P, Chord::AltShift)
                    .in(menu));
    t.push_back(row(C::CopyReadings, [](RulerParts &r, C) { copyReadings(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Copy Readings"), "Ctrl+C")
                    .conventionally(ConventionKeys::Command::CopyReadings)
                    .in(menu));
    t.push_back(row(C::CopyRegionPicture,
                    [](RulerParts &r, C) { takeRegionPicture(r, RegionPictureUse::Copy); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Copy Picture of Region"), "Alt+Shift+O")
                    .key(Qt::Key_O, Chord::AltShift)
                    .in(menu));
    t.push_back(row(C::SaveRegionPicture,
                    [](RulerParts &r, C) { takeRegionPicture(r, RegionPictureUse::Save); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Save Picture of Region…"), "Alt+O")
                    .key(Qt::Key_O, Chord::ExactlyAlt)
                    .in(menu));
    t.push_back(row(C::EdgeFinder, [](RulerParts &r, C) { toggleEdgeFinder(r); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Edge Finder"), "E")
                    .check()
                    .key(Qt::Key_E)
                    .in(menu));
}
void CommandRows::addProgramRows(Rows &t)
{
    const auto menu = Menu::Program;
    t.push_back(
        row(C::Preferences, [](RulerParts &r, C) { showPreferencesOn(r, PreferencesPage::Shortcuts); })
            .show(QT_TRANSLATE_NOOP("RulerWindow", "Preferences"), "Alt+,")
            .key(Qt::Key_Comma, Chord::ExactlyAlt)
            .in(menu, true));
    t.push_back(row(C::Help, [](RulerParts &r, C) { emit r.window.helpRequested(); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Gradora Help"), "Alt+/")
                    .key(Qt::Key_Slash, Chord::ExactlyAlt)
                    .conventionally(ConventionKeys::Command::Help)
                    .in(menu));
#if GRADORA_UPDATE_CHECK
    t.push_back(row(C::CheckForUpdates, [](RulerParts &r, C) { emit r.window.updateCheckRequested(); })
#else
    t.push_back(row(C::CheckForUpdates)
#endif
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Check for Updates"))
                    .in(menu));
    t.push_back(row(C::OnlineInfo,
                        [](RulerParts &r, C) {
                            emit r.window.webPageRequested(QUrl(QString::fromLatin1(WebLinks::kProductPage)));
                        })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Online Info"))
                    .in(menu));
    t.push_back(row(C::RequestFeature,
                        [](RulerParts &r, C) {
                            emit r.window.webPageRequested(QUrl(QString::fromLatin1(WebLinks::kSuggestionsPage)));
                        })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Request Feature"))
                    .in(menu));
    t.push_back(row(C::About,
                        [](RulerParts &r, C) {
                            emit r.window.aboutRequested();
                            r.pointer.setChord({});
                        })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "About Gradora"))
                    .in(menu));
    // The program saves every ruler first: the windows that close on the way out are not rulers the
    // user closed.
    t.push_back(row(C::Quit,
                    [](RulerParts &r, C) {
                        emit r.window.quitRequested();
                        QApplication::closeAllWindows();
                    })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Quit"), "Alt+Q")
                    .conventionally(ConventionKeys::Command::Quit)
                    .in(menu, true));
}
std::vector<Entry> CommandRows::build()
{
    std::vector<Entry> t;
    addWindowRows(t);
    addViewRows(t);
    addMoreViewRows(t);
    addChoiceRows(t);
    addPictureAndToolRows(t);
    addFigureRows(t);
    addProgramRows(t);
    addKeyRows(t);
    return t;
}

const std::vector<Entry> &RulerCommands::table()
{
    static const std::vector<Entry> rows = [] {
        std::vector<Entry> t = CommandRows::build();
        for (int i = 0; i < int(t.size()); ++i)
            Q_ASSERT_X(int(t[i].command) == i, "RulerCommands", "one row per command, in enum order");
        Q_ASSERT(t.size() == std::size_t(RulerCommand::Count));
        return t;
    }();
    return rows;
}
