#pragma once
// The setup's forms, made once at entry and alive for the whole run: the one
// place the pages find each other.
#include "setup/forms/SetupPictures.h"
#include "ui/Application.h"

namespace vx::setup {

class TfrmMain;
class TfrmCustom;
class TfrmInstallOptions;
class TfrmInstallDir;
class TfrmLicense;

struct SetupForms {
    TfrmMain* main = nullptr;
    TfrmCustom* custom = nullptr;
    TfrmInstallOptions* options = nullptr;
    TfrmInstallDir* directory = nullptr;
    TfrmLicense* license = nullptr;
};

SetupForms& CurrentSetupForms();

// Creates the forms in the setup's order (backdrop, resources, options, directory,
// licence), so that each creation handler finds the ones it reads.
void CreateSetupForms(ui::Application& app, SetupPictures pictures);

}  // namespace vx::setup
