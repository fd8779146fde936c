#include "shell/win/save_points.h"

#include <windows.h>

#include "core/win/app.h"
#include "persistence/win/resume.h"
#include "shell/win/main_window.h"
#include "shell/win/services.h"

namespace shell {

namespace {

persistence::SaveConditions Conditions()
{
    const core::App& app = core::TheApp();
    persistence::SaveConditions c;
    c.storedStateRead = persistence::StoredStateRead() && !app.startupFailed;
    c.gameChosen = core::TheCore().hasModule();
    // A dialog owned by the main window (the program's or a game module's)
    // disables it while it is open.
    c.dialogOpen = app.mainWindow && !IsWindowEnabled(app.mainWindow);
    return c;
}

persistence::Report ReportAt(persistence::SaveMoment moment)
{
    switch (moment) {
    case persistence::SaveMoment::Exit: return persistence::Report::Now;
    case persistence::SaveMoment::SessionEnding: return persistence::Report::Never;
    default: return persistence::Report::Later;
    }
}

// Set by the exit's save: the modules are closed after it, and nothing may
// be written from them again (a window losing activation as it goes).
bool g_exited = false;

void Save(persistence::SaveMoment moment, const core::ModuleTable& modules)
{
    if (g_exited) return;
    g_exited = moment == persistence::SaveMoment::Exit;
    const persistence::SaveWhat what = persistence::WhatToSave(moment, Conditions());
    const persistence::Report report = ReportAt(moment);
    if (what.scores) persistence::WriteScores(modules, report);
    if (what.resume) persistence::WriteResume(report);
    if (what.settings) WriteSettings();
}

}  // namespace

void SaveAt(persistence::SaveMoment moment) { Save(moment, core::TheCore().modules); }

void SaveScores(persistence::SaveMoment moment, const core::ModuleTable& modules) { Save(moment, modules); }

void RegisterForRestart()
{
    // Only a restart for updates or after a reboot: a crash or a hang does
    // not start the program again.
    RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG);
}

BOOL OnQueryEndSession(HWND) { return TRUE; }

// Windows may end the process as soon as this returns, without WM_DESTROY.
void OnEndSession(HWND, BOOL ending)
{
    if (ending) SaveAt(persistence::SaveMoment::SessionEnding);
}

void OnActivateApp(HWND, BOOL active, DWORD)
{
    if (!active) SaveAt(persistence::SaveMoment::LookedAway);
}

void OnMinimised(HWND) { SaveAt(persistence::SaveMoment::LookedAway); }

}  // namespace shell
