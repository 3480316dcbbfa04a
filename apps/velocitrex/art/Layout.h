#pragma once
// Where the controls of the main program's windows sit, in client coordinates.
// The pictures are drawn around these places (flat plates under the glossy
// buttons, wells and panels where controls go) and the outlines keep every
// reachable control inside and every unreachable one (Offstage) outside, so the
// windows place their controls from here.
#include "apps/velocitrex/art/Raster.h"

namespace vx::art::layout {

// The main window (Tfrm2002Main) and the automatic page (TfrmAutomatic), which
// share one frame: 633 x 452 and 634 x 452, visible part (1, 1)-(578, 451).
namespace wizard {
constexpr int Width = 633;
constexpr int AutomaticWidth = 634;
constexpr int Height = 452;
constexpr Box Visible{1, 1, 578, 451};
constexpr int CornerRadius = 18;

constexpr Box Header{1, 1, 578, 88};
constexpr Box Logo = Box::Sized(14, 10, 252, 68);
constexpr Box OtherProducts = Box::Sized(344, 28, 174, 25);  // JLAqua4, on the flat header
constexpr Box Exit = Box::Sized(534, 24, 26, 26);             // btnExxit, round
constexpr Box PageTitle = Box::Sized(284, 30, 232, 30);       // the automatic page's title, in its frame

// The left column: a well holding the four push buttons.
constexpr Box ButtonWell{8, 96, 104, 373};
constexpr Box VelocitrexButton = Box::Sized(12, 110, 88, 26);  // NvOS8PushButton5
constexpr Box UpdateButton = Box::Sized(12, 146, 88, 26);      // NvOS8PushButton1
constexpr Box HelpButton = Box::Sized(12, 182, 88, 26);        // NvOS8PushButton2
constexpr Box CloseButton = Box::Sized(12, 335, 88, 26);       // NvOS8PushButton3

// The content area: the three white panels of the main window, Panel1 of the
// automatic page.
constexpr Box Content = Box::Sized(112, 97, 457, 273);

// Below the content: flat, with the glossy buttons of the automatic page on the right.
constexpr Box Footer{8, 380, 571, 444};
constexpr Box FooterButtonsPlate{330, 386, 571, 424};
constexpr Box CancelButton = Box::Sized(338, 391, 100, 28);     // btnNext "Cancel" (automatic page)
constexpr Box VelocitrexMeButton = Box::Sized(446, 391, 118, 28);  // JLAqua2 (automatic page)

// Outside the outline: the controls the user must never reach (btnMinimize,
// the second plasma surface's panel, btnVelocitrexMe of the automatic page).
constexpr Box Offstage{584, 0, 634, 452};
constexpr Box MinimizeButton = Box::Sized(590, 10, 36, 22);
constexpr Box HiddenApplyButton = Box::Sized(590, 40, 36, 22);
constexpr Box SecondSurfacePanel = Box::Sized(590, 70, 36, 36);
}  // namespace wizard

// Inside the main window's panels (panel coordinates, the panel at Content).
namespace panels {
constexpr Box Heading = Box::Sized(0, 0, 457, 64);
// Connection panel: six radio buttons, one column, then ">> Next".
constexpr int RadioLeft = 40;
constexpr int FirstRadioTop = 78;
constexpr int RadioPitch = 25;
constexpr Box RadioButton(int index) { return Box::Sized(RadioLeft, FirstRadioTop + RadioPitch * index, 320, 20); }
constexpr Box NextButton = Box::Sized(341, 236, 100, 26);  // JLAqua5, btnNext
// Method panel: two radio buttons, the note, "<< Back" and ">> Next".
constexpr Box AutomaticRadio = Box::Sized(40, 88, 320, 20);
constexpr Box AdvancedRadio = Box::Sized(40, 120, 320, 20);
constexpr Box ExpertNote = Box::Sized(60, 142, 240, 16);
constexpr Box BackButton = Box::Sized(231, 236, 100, 26);  // JLAqua1
}  // namespace panels

// The automatic page's step list on its white panel (panel coordinates).
namespace steps {
constexpr Box WaitNote = Box::Sized(18, 12, 421, 16);  // lblWaitToPress
constexpr Box Bullet(int step) { return Box::Sized(26, 44 + 30 * step, 16, 16); }
constexpr Box Check(int step) { return Box::Sized(50, 42 + 30 * step, 390, 20); }
constexpr Box ReadyNote = Box::Sized(18, 226, 421, 34);  // lblReadyToGo, two centred lines
}  // namespace steps

// The advanced page (TfrmAdvanced): 635 x 452, the same frame with a lower
// header, the white work area across the whole width.
namespace advanced {
constexpr int Width = 635;
constexpr int Height = 452;
constexpr Box Visible = wizard::Visible;
constexpr Box Header{1, 1, 578, 70};
constexpr Box Logo = Box::Sized(14, 8, 190, 52);
constexpr Box HelpButton = Box::Sized(420, 22, 100, 25);  // JLAqua1, on the flat header
constexpr Box Exit = Box::Sized(534, 20, 26, 26);
constexpr Box PageTitle = Box::Sized(214, 22, 196, 26);
constexpr Box Content{8, 76, 571, 406};
// Three columns of group boxes inside Content.
constexpr Box Column(int index) { return Box{14 + 186 * index, 82, 14 + 186 * index + 180, 400}; }
constexpr Box Footer{8, 410, 571, 446};
constexpr Box Notes = Box::Sized(14, 414, 328, 28);               // lblWaitToPress, lblNote
constexpr Box CancelButton = Box::Sized(350, 416, 86, 26);        // btnNext
constexpr Box VelocitrexMeButton = Box::Sized(444, 416, 120, 26);  // JLAqua2
constexpr Box Offstage = wizard::Offstage;
constexpr Box HiddenApplyButton = wizard::HiddenApplyButton;       // btnVelocitrexMe
constexpr Box MinimizeButton = wizard::MinimizeButton;
}  // namespace advanced

// The apply screen (TfrmMakeRegistryChanges), 339 x 203; the places of its
// labels, bar pieces and buttons are fixed by the program, the picture follows.
namespace apply {
constexpr int Width = 339;
constexpr int Height = 203;
constexpr Box Visible{2, 2, 337, 201};
constexpr int CornerRadius = 16;
constexpr int BarTop = 93;
constexpr int BarHeight = 7;
constexpr Box BarLeft = Box::Sized(38, BarTop, 25, BarHeight);  // imgRedLeft
constexpr Box BarSegment(int n) { return Box::Sized(63 + 25 * (n - 2), BarTop, 25, BarHeight); }  // imgRed2..9
constexpr int CapStart = 40;   // imgRedRight's first place and
constexpr int CapEnd = 260;    // its last
constexpr Box BarCap(int x) { return Box::Sized(x, BarTop, 36, BarHeight); }  // imgRedRight
constexpr Box Track{30, 90, 306, 103};  // straight from x 37 to 299: every place of the moving end looks alike
constexpr Box ProgressText = Box::Sized(23, 126, 287, 17);  // lblActionItem2
constexpr Box RebootNow = Box::Sized(33, 148, 120, 25);
constexpr Box RebootLater = Box::Sized(176, 148, 120, 25);
constexpr Box WebAddress = Box::Sized(110, 182, 120, 13);
}  // namespace apply

// The About box (TfrmAbout), 339 x 203.
namespace about {
constexpr int Width = 339;
constexpr int Height = 203;
constexpr Box Visible{4, 4, 335, 199};
constexpr int CornerRadius = 14;
constexpr Box Emblem = Box::Sized(22, 46, 96, 96);
// The four lines: title, maker, rights, web address (white, bold, 8 point).
constexpr Box Line(int index) { return Box::Sized(134, 52 + 20 * index, 190, 14); }
constexpr Box OkButton = Box::Sized(246, 150, 72, 30);  // btnOK, a capsule
}  // namespace about

}  // namespace vx::art::layout
