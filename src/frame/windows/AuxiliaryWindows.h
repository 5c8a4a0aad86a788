#pragma once
// The frame's auxiliary windows, as the main window opens them for its own menus and for
// its child windows' (ChildWindowHost::RunCommand).

class QWidget;

// The options dialog, modal; owner: nullptr for the main window.
void ShowOptions(QWidget *owner);
// A new steam-table window: 0 density table, 1 specific-volume table.
void ShowSteamTable(int index);
// The tip-of-the-day window, not modal (one instance).
void ShowTipOfTheDay();
// The about box, modal, owned by the main window.
void ShowAbout(QWidget *owner);
