// The application looks: ten ways the whole window can look, chosen by the
// commands of the "アプリケーションの外観(&A)" submenu and kept in the settings store.
#pragma once

class QSettings;

// True for the command ids of the looks.
bool isApplicationLook(int id);

// The stored "ApplicationLook"; the default look when it is missing or unknown.
int readApplicationLook(const QSettings& store);
void storeApplicationLook(QSettings& store, int look);

// Restyles the whole application in the look, showing the wait cursor meanwhile.
// Ids that are no look are ignored.
void applyApplicationLook(int look);

// The look now in force, or 0 before any look was applied.
int appliedApplicationLook();
