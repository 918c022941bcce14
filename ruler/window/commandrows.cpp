// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The command table: each command's text, shortcut, keys, menu place and what the ruler does for it,
// written here where the window's handlers can be reached.
#include "prefs/weblinks.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/window/commandrows.h"
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
        command, handler ? handler : [](RulerWindow &w, C c) {
            w.m_state.toggle(*entry(c).option);
            w.update();
        });
    e.show(RulerOptionTable::entry(option).menuText, shortcut).check();
    e.option = option;
    return e;
}

void CommandRows::addWindowRows(Rows &t)
{
    const auto menu = Menu::Window;
    t.push_back(row(C::NewRuler,
                        [](RulerWindow &w, C) {
                            w.m_pointer.setChord({});
                            emit w.newRulerRequested();
                        })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "New Ruler"), "Alt+N")
                    .key(Qt::Key_N, Chord::ExactlyAlt)
                    .in(menu));
    t.push_back(row(C::CloseRuler, [](RulerWindow &w, C) { w.closeRuler(); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Close Ruler"), "Alt+W")
                    .key(Qt::Key_W, Chord::ExactlyAlt)
                    .conventionally(ConventionKeys::Command::CloseRuler)
                    .in(menu));
    t.push_back(row(C::BackgroundColor, [](RulerWindow &w, C) { w.editColor(ColorTarget::Background); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Background Color"), "Alt+B")
                    .key(Qt::Key_B, Chord::ExactlyAlt)
                    .in(menu, true));
    t.push_back(row(C::RulerColor, [](RulerWindow &w, C) { w.editColor(ColorTarget::Ruler); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Ruler Color"), "Alt+C")
                    .key(Qt::Key_C, Chord::ExactlyAlt)
                    .in(menu));
    t.push_back(row(C::GuidesColor, [](RulerWindow &w, C) { w.editColor(ColorTarget::Guides); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Guides Color"), "Alt+G")
                    .key(Qt::Key_G, Chord::ExactlyAlt)
                    .in(menu));
    t.push_back(row(C::Transparency, [](RulerWindow &w, C) { editTransparency(w); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Transparency"), "Alt+Shift+T")
                    .key(Qt::Key_T, Chord::AltShift)
                    .in(menu));
    t.push_back(toggle(C::StayOnTop, O::StayOnTop, "Alt+S", [](RulerWindow &w, C) { toggleStayOnTop(w); })
                    .key(Qt::Key_S, Chord::ExactlyAlt)
                    .in(menu, true));
    t.push_back(
        toggle(C::SnapToScreen, O::SnapToScreen, "Alt+P", [](RulerWindow &w, C) { toggleSnapToScreen(w); })
            .key(Qt::Key_P, Chord::ExactlyAlt)
            .in(menu));
    t.push_back(toggle(C::LockToScreen, O::LockToScreen, "Alt+L",
                       [](RulerWindow &w, C) {
                           w.m_state.toggle(O::LockToScreen);
                           w.followWindowMove();
                       })
                    .key(Qt::Key_L, Chord::ExactlyAlt)
                    .in(menu));
    t.push_back(row(C::FullScreen, [](RulerWindow &w, C) { toggleFullScreen(w); })
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
                       [](RulerWindow &w, C) {
                           toggleFigure(w);
                           w.update();
                       })
                    .key(Qt::Key_QuoteLeft)
                    .key(Qt::Key_AsciiTilde)
                    .in(menu));
    t.push_back(toggle(C::ShowRotationCenter, O::ShowRotationCenter, "R").key(Qt::Key_R).in(menu));
    t.push_back(toggle(C::ShowControlPoints, O::HideControlPoints, "M",
                       [](RulerWindow &w, C) {
                           toggleControlPoints(w);
                           w.update();
                       })
                    .key(Qt::Key_M)
                    .in(menu));
    t.back().checkShowsOpposite = true;
    t.push_back(toggle(C::BoldControlPoints, O::BoldControlPoints, "N",
                       [](RulerWindow &w, C) {
                           if (!w.state().option(O::HideControlPoints))
                               w.m_state.toggle(O::BoldControlPoints);
                           w.update();
                       })
                    .key(Qt::Key_N)
                    .in(menu));
    t.push_back(toggle(C::ShowFigureReadings, O::ShowFigureReadings, "T",
                       [](RulerWindow &w, C) {
                           if (w.state().option(O::ShowFigure))
                               w.m_state.toggle(O::ShowFigureReadings);
                           w.update();
                       })
                    .key(Qt::Key_T)
                    .in(menu));
    t.push_back(toggle(C::ShowBorder, O::ShowBorder, "B").key(Qt::Key_B).in(menu, true));
    t.push_back(toggle(C::ShowReadings, O::ShowReadings, "Y",
                       [](RulerWindow &w, C) {
                           w.m_menu->setEnabled(C::MinimalReadings, w.m_state.toggle(O::ShowReadings));
                           w.update();
                       })
                    .key(Qt::Key_Y)
                    .in(menu));
    t.push_back(toggle(C::MinimalReadings, O::MinimalReadings, "Alt+Shift+Y",
                       [](RulerWindow &w, C) {
                           toggleMinimalReadings(w);
                           w.update();
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
                        [](RulerWindow &w, C) {
                            w.m_pointer.guides().clear();
                            w.update();
                        })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Clear All Guides"), "Alt+Shift+G")
                    .key(Qt::Key_G, Chord::AltShift)
                    .in(menu));
    t.push_back(row(C::ShowInfoPanel, [](RulerWindow &w, C) { toggleInfoPanel(w); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Show Info Panel"), "/")
                    .check()
                    .key(Qt::Key_Slash)
                    .key(Qt::Key_Question)
                    .in(menu, true));
    // Named after the side it sends the panel to; the window renames it.
    t.push_back(row(C::PanelSide, [](RulerWindow &w, C) { sendPanelToOtherSide(w); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Send Panel to Left"), ".")
                    .key(Qt::Key_Period)
                    .key(Qt::Key_Greater)
                    .in(menu));
    t.push_back(toggle(C::ShowTopTicker, O::ShowTopTicker).in(menu, true));
    t.push_back(toggle(C::ShowLeftTicker, O::ShowLeftTicker).in(menu));
    t.push_back(toggle(C::ShowBottomTicker, O::ShowBottomTicker).in(menu));
    t.push_back(toggle(C::ShowRightTicker, O::ShowRightTicker).in(menu));
    const Handler allTickers = [](RulerWindow &w, C c) {
        for (O ticker : {O::ShowTopTicker, O::ShowLeftTicker, O::ShowRightTicker, O::ShowBottomTicker})
            w.m_state.setOption(ticker, c == C::ShowAllTickers);
        w.update();
    };
    t.push_back(row(C::ShowAllTickers, allTickers)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Show All Tickers"))
                    .in(menu));
    t.push_back(row(C::HideAllTickers, allTickers)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Hide All Tickers"))
                    .in(menu));
    t.push_back(toggle(C::AntiAliasing, O::AntiAliasing, "Alt+Shift+A",
                       [](RulerWindow &w, C) {
                           w.m_state.toggle(O::AntiAliasing);
                           w.followWindowMove();
                       })
                    .key(Qt::Key_A, Chord::AltShift)
                    .in(menu, true));
    t.push_back(toggle(C::Megapixels, O::Megapixels).in(menu));
}

void CommandRows::addChoiceRows(Rows &t)
{
    const Handler unit = [](RulerWindow &w, C c) { w.chooseUnit(*unitOf(c)); };
    const Handler editUnits = [](RulerWindow &w, C c) {
        showPreferencesOn(w, c == C::EditUnits ? PreferencesPage::Units : PreferencesPage::PixelBasedUnits);
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

    const Handler corner = [](RulerWindow &w, C c) { chooseStartCorner(w, c); };
    const Handler origin = [](RulerWindow &w, C c) {
        w.m_state.setOption(O::StartFromPixelOne, c == C::StartFromPixelOne);
        w.update();
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
    t.push_back(row(C::OpenPicture, [](RulerWindow &w, C) { openPicture(w); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Open Image"))
                    .in(menu));
    t.push_back(row(C::ActualSize, [](RulerWindow &w, C) { showPictureAtActualSize(w); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Actual Size"))
                    .check()
                    .in(menu, true));
    t.push_back(row(C::StretchPicture, [](RulerWindow &w, C) { stretchPicture(w); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Stretch Image"))
                    .check()
                    .in(menu));
    t.push_back(toggle(C::ProportionalPicture, O::ProportionalPicture, nullptr, [](RulerWindow &w, C) {
                    toggleProportionalPicture(w);
                }).in(menu));
    t.push_back(toggle(C::TransparentPicture, O::TransparentPicture).in(menu));
    t.push_back(row(C::RulerToPictureSize, [](RulerWindow &w, C) { fitRulerToPicture(w); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Ruler to Image Size"))
                    .in(menu));
    t.push_back(row(C::ClearPicture, [](RulerWindow &w, C) { clearPicture(w); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Clear Image"))
                    .in(menu, true));

    menu = Menu::Tools;
    t.push_back(row(C::Magnifier, [](RulerWindow &w, C) { emit w.magnifierRequested(); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Magnifier"), "Alt+Shift+M")
                    .key(Qt::Key_M, Chord::AltShift)
                    .in(menu));
    t.push_back(row(C::PositionAndSize, [](RulerWindow &w, C) { editPositionAndSize(w); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Set Position / Size"), "Alt+Shift+P")
                    .key(Qt::Key_P, Chord::AltShift)
                    .in(menu));
    t.push_back(row(C::CopyReadings, [](RulerWindow &w, C) { copyReadings(w); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Copy Readings"), "Ctrl+C")
                    .conventionally(ConventionKeys::Command::CopyReadings)
                    .in(menu));
    t.push_back(row(C::CopyRegionPicture,
                    [](RulerWindow &w, C) { takeRegionPicture(w, RegionPictureUse::Copy); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Copy Picture of Region"), "Alt+Shift+O")
                    .key(Qt::Key_O, Chord::AltShift)
                    .in(menu));
    t.push_back(row(C::SaveRegionPicture,
                    [](RulerWindow &w, C) { takeRegionPicture(w, RegionPictureUse::Save); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Save Picture of Region…"), "Alt+O")
                    .key(Qt::Key_O, Chord::ExactlyAlt)
                    .in(menu));
    t.push_back(row(C::EdgeFinder, [](RulerWindow &w, C) { toggleEdgeFinder(w); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Edge Finder"), "E")
                    .check()
                    .key(Qt::Key_E)
                    .in(menu));
}
void CommandRows::addProgramRows(Rows &t)
{
    const auto menu = Menu::Program;
    t.push_back(
        row(C::Preferences, [](RulerWindow &w, C) { showPreferencesOn(w, PreferencesPage::Shortcuts); })
            .show(QT_TRANSLATE_NOOP("RulerWindow", "Preferences"), "Alt+,")
            .key(Qt::Key_Comma, Chord::ExactlyAlt)
            .in(menu, true));
    t.push_back(row(C::Help, [](RulerWindow &w, C) { emit w.helpRequested(); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Gradora Help"), "Alt+/")
                    .key(Qt::Key_Slash, Chord::ExactlyAlt)
                    .conventionally(ConventionKeys::Command::Help)
                    .in(menu));
#if GRADORA_UPDATE_CHECK
    t.push_back(row(C::CheckForUpdates, [](RulerWindow &w, C) { emit w.updateCheckRequested(); })
#else
    t.push_back(row(C::CheckForUpdates)
#endif
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Check for Updates"))
                    .in(menu));
    t.push_back(row(C::OnlineInfo,
                        [](RulerWindow &w, C) {
                            emit w.webPageRequested(QUrl(QString::fromLatin1(WebLinks::kProductPage)));
                        })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Online Info"))
                    .in(menu));
    t.push_back(row(C::RequestFeature,
                        [](RulerWindow &w, C) {
                            emit w.webPageRequested(QUrl(QString::fromLatin1(WebLinks::kSuggestionsPage)));
                        })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Request Feature"))
                    .in(menu));
    t.push_back(row(C::About,
                        [](RulerWindow &w, C) {
                            emit w.aboutRequested();
                            w.m_pointer.setChord({});
                        })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "About Gradora"))
                    .in(menu));
    // The program saves every ruler first: the windows that close on the way out are not rulers the
    // user closed.
    t.push_back(row(C::Quit,
                    [](RulerWindow &w, C) {
                        emit w.quitRequested();
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
