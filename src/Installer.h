#pragma once
// The setup window: a white header band with the banner and the title, four pages of which one
// shows (0 and 1 install, 2 and 3 uninstall), and a white footer band. FormCreate chooses the
// mode from the folder the program was started from.
#include "forms/Application.h"
#include "forms/Controls.h"
#include "forms/Form.h"

class TForm1 : public forms::TForm {
public:
    explicit TForm1(forms::TApplication& application);

    forms::TPanel Panel1;
    forms::TImage Image1;
    forms::TStaticText StaticText1;
    forms::TPageControl PageControl1;
    forms::TPanel Panel2;
    forms::TTabSheet InstallSheet1;
    forms::TButton Button2;
    forms::TButton Button1;
    forms::TTabSheet InstallSheet3;
    forms::TButton Button6;
    forms::TLabel Label1;
    forms::TTabSheet DeinstallSheet1;
    forms::TButton Button3;
    forms::TButton Button5;
    forms::TTabSheet DeinstallSheet3;
    forms::TLabel Label2;
    forms::TButton Button9;
    forms::TLabel Label3;
    forms::TLabel Label4;
    forms::TProgressBar ProgressBar1;
    forms::TButton Button4;
    forms::TBevel Bevel1;
    forms::TBevel Bevel2;
    forms::TBevel Bevel3;
    forms::TBevel Bevel4;

    void Button9Click();
    void Button6Click();
    void Button1Click();
    void Button2Click();
    void FormCreate();
    void Button3Click();
    void Button5Click();
    void Button4Click();
};

// The pages, by number.
enum SetupPage : int { InstallPage = 0, InstallFinishedPage = 1, UninstallPage = 2,
                       UninstallFinishedPage = 3 };

// Install mode: the medium tree lies beside the running executable (a file, not a folder, at
// the mode probe path).
bool IsInstallMode(const std::string& exePath);
