#pragma once

// A point of the window, in pixels from its top-left corner.
struct ScreenPoint {
    int X;
    int Y;
};

// Where things sit in the game's window: its size, the button row of the
// menu and of the overlays, and the lines of text above and below it. The
// game places its buttons and lines by these names, and the tests, the
// fuzzer and the gamepad click where they say.
struct Layout {
    static constexpr int WindowWidth = 1024;
    static constexpr int WindowHeight = 600;
    static constexpr int WindowDepth = 32;
    // Centred lines of text are centred on this x.
    static constexpr int CentreX = WindowWidth / 2;

    // The button row: three columns (the thirds of the window and its middle)
    // with the buttons' tops on one line.
    static constexpr int LeftColumnX = 341;
    static constexpr int MiddleColumnX = CentreX;
    static constexpr int RightColumnX = 683;
    static constexpr int ButtonRowTop = 400;

    // The menu's second row, under the first: Options, Practice and Scores
    // under the three columns, their pictures at most 64 px tall.
    static constexpr int OptionsColumnX = LeftColumnX;
    static constexpr int PracticeColumnX = MiddleColumnX;
    static constexpr int ScoresColumnX = RightColumnX;
    static constexpr int SecondRowTop = 505;

    // The middle of each button, where a player clicks.
    static constexpr ScreenPoint PlayButton{LeftColumnX, ButtonRowTop + 46};
    static constexpr ScreenPoint OptionsButton{OptionsColumnX, SecondRowTop + 32};
    static constexpr ScreenPoint ScoresButton{ScoresColumnX, SecondRowTop + 32};
    static constexpr ScreenPoint PracticeButton{PracticeColumnX, SecondRowTop + 32};
    static constexpr ScreenPoint InfoButton{MiddleColumnX, ButtonRowTop + 46};
    static constexpr ScreenPoint MenuExitButton{RightColumnX, ButtonRowTop + 40};
    static constexpr ScreenPoint ReplayButton{LeftColumnX, ButtonRowTop + 46};
    static constexpr ScreenPoint OverlayExitButton{RightColumnX, ButtonRowTop + 50};

    // The menu's title, the overlays' two lines and the line under them.
    static constexpr int TitleTop = 150;
    static constexpr int HeadlineTop = 150;
    static constexpr int SecondLineTop = 200;
    static constexpr int NewBestTop = 270;
    // The menu's best-score line, between the title and the buttons.
    static constexpr int BestScoreTop = 330;
    // The pause overlay's line under its headline.
    static constexpr int ResumeLineTop = SecondLineTop;
    // The short notice of the program's keys, just under the HUD panel.
    static constexpr int NoticeTop = 90;

    // The options and scores pages: a title, then their rows, and Back in
    // the middle of where the menu's second row is.
    static constexpr int PageTitleTop = 28;
    static constexpr ScreenPoint BackButton{CentreX, SecondRowTop + 32};
    // One row a setting: the label from its left edge, the value centred
    // between two small arrows.
    static constexpr int OptionRowsTop = 84;
    static constexpr int OptionRowHeight = 28;
    static constexpr int OptionLabelLeft = 200;
    static constexpr int OptionValueX = 700;
    static constexpr int OptionArrowGap = 130;
    static constexpr ScreenPoint OptionValue(int row) {
        return {OptionValueX, OptionRowsTop + row * OptionRowHeight + OptionRowHeight / 2};
    }
    static constexpr ScreenPoint OptionLeftArrow(int row) {
        return {OptionValueX - OptionArrowGap, OptionValue(row).Y};
    }
    static constexpr ScreenPoint OptionRightArrow(int row) {
        return {OptionValueX + OptionArrowGap, OptionValue(row).Y};
    }
    // The table of best runs: headings, ten rows, and the last run's entry.
    static constexpr int ScoreHeadingsTop = 92;
    static constexpr int ScoreRowsTop = 125;
    static constexpr int ScoreRowHeight = 30;
    static constexpr int ScoreRowsLeft = 112;
    static constexpr int ScoreRowsRight = 912;
    static constexpr ScreenPoint ScoreRow(int row) {
        return {CentreX, ScoreRowsTop + row * ScoreRowHeight + ScoreRowHeight / 2};
    }
    static constexpr ScreenPoint LastRunEntry{CentreX, 452};
    // A short line under it when a chosen run turns out not to play.
    static constexpr int ScoreNoteTop = 476;
    // The table shows one difficulty at a time, picked beside the title.
    static constexpr ScreenPoint ScoreSkillPicker{812, 47};
    static constexpr int ScoreSkillPickerWidth = 200;
    static constexpr int ScoreSkillPickerHeight = 40;
    // The controls page: a row an action, its label on the left, then its
    // two keys and its pad button in three columns; "Reset to defaults"
    // under them, and a box in the middle for what the page asks.
    static constexpr int ControlLabelLeft = 130;
    static constexpr int ControlHeadingsTop = 92;
    static constexpr int ControlRowsTop = 116;
    static constexpr int ControlRowHeight = 28;
    static constexpr int ControlColumnX[3] = {480, 670, 840};
    static constexpr int ControlColumnWidth = 176;
    static constexpr ScreenPoint ControlSlot(int row, int column) {
        return {ControlColumnX[column], ControlRowsTop + row * ControlRowHeight + ControlRowHeight / 2};
    }
    static constexpr ScreenPoint ControlReset{CentreX, 452};
    static constexpr ScreenPoint ControlYes{412, 330};
    static constexpr ScreenPoint ControlNo{612, 330};

    // The level's HUD panel across the top: the two bars (a segment every
    // two pixels from BarLeft), the two counters and the four shop labels
    // (the price is written just above each button).
    static constexpr int BarLeft = 50;
    static constexpr int HealthBarTop = 7;
    static constexpr int ShieldBarTop = 39;
    static constexpr ScreenPoint MoneyCounter{500, 20};
    static constexpr ScreenPoint ScoreCounter{800, 20};
    static constexpr ScreenPoint RepairLabel{335, 10};
    static constexpr ScreenPoint CannonLabel{300, 45};
    static constexpr ScreenPoint RapidFireLabel{335, 45};
    static constexpr ScreenPoint MissileLabel{370, 45};
    static constexpr int PriceAboveButton = 10;
    // The difficulty, named in the score box's top edge unless it is normal,
    // and the level in the money box's.
    static constexpr ScreenPoint SkillLabel{972, 3};
    static constexpr ScreenPoint LevelLabel{620, 3};
    // PRACTICE or ASSIST after the level; an invincible ship's hits in the
    // score box's edge, where a long count in any language has room.
    static constexpr ScreenPoint RunMarkLabel{690, 3};
    static constexpr ScreenPoint HitsLabel{870, 3};
};
