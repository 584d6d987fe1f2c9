#pragma once
// One function per group of steps; each adds its steps to the table.
namespace orv::scenario {

class StepTable;

void AddSettingsSteps(StepTable& table);  // settings, contracts, answer
void AddOrderSteps(StepTable& table);     // orders, generate
void AddViewSteps(StepTable& table);      // open, show, hide, close, run
void AddInputSteps(StepTable& table);     // select, key, command, click, menu
void AddHeaderFilterSteps(StepTable& table);  // headermenu, filterdialog
void AddFileDialogSteps(StepTable& table);    // filedialog, cancelexport
void AddCallStep(StepTable& table);       // call
void AddDumpStep(StepTable& table);       // dump
void AddHostDataSteps(StepTable& table);  // records, settingsfile, exchange
void AddFilterBarSteps(StepTable& table); // filterbar
void AddModificationSteps(StepTable& table);  // modification, iobrule

}  // namespace orv::scenario
