#include "frame/windows/JanelasAuxiliares.h"

// Until the auxiliary windows exist their entries do nothing.
void ShowOptions(QWidget *) {}
void ShowSteamTable(int) {}
void ShowTipOfTheDay() {}
void ShowAbout(QWidget *) {}
