#include "Installer.h"

#include "Product.h"
#include "platform/FilePaths.h"

#include <string>

using namespace forms;

namespace {

const FontSpec Verdana12Bold{"Verdana", -16, true};
const FontSpec Verdana10{"Verdana", -13, false};
const FontSpec Verdana10Bold{"Verdana", -13, true};

// format with the display name in place of its "%s".
std::string WithDisplayName(std::string format) {
    return format.replace(format.find("%s"), 2, product::DisplayName);
}

}  // namespace

TForm1::TForm1(TApplication& application) : TForm(application, "TForm1", 477, 299) {
    // Pages take no numbers of their own: the page control places them (see PageInset).
    CreateControls({
        // control      parent            left  top  width height  settings
        {Panel1,        nullptr,             0,   0,  477,   91,  AlignTop | White | SunkenBorder},
        {Image1,        &Panel1,           290,  -5,  199,  107,  Picture("BANNER")},
        {StaticText1,   &Panel1,            25,  33,  102,   22,  Font(Verdana12Bold)},
        {PageControl1,  nullptr,             0,  91,  477,  189,  AlignClient},
        {InstallSheet1, &PageControl1,       0,   0,    0,    0,  {}},
        {Label3,        &InstallSheet1,     25,  25,  399,   95,  Font(Verdana10)},
        {Bevel1,        &InstallSheet1,     23, 124,  425,   10,  {}},
        {Button2,       &InstallSheet1,    376, 146,   75,   25,  {}},
        {Button1,       &InstallSheet1,    290, 146,   75,   25,  {}},
        {ProgressBar1,  &InstallSheet1,    158,  62,  150,   17,  Hidden},
        {InstallSheet3, &PageControl1,       0,   0,    0,    0,  {}},
        {Label1,        &InstallSheet3,      0,  35,  465,   16,  Centred | Font(Verdana10Bold)},
        {Bevel2,        &InstallSheet3,     23, 124,  425,   10,  {}},
        {Button6,       &InstallSheet3,    378, 146,   75,   25,  {}},
        {Button4,       &InstallSheet3,    159,  57,  150,   25,  {}},
        {DeinstallSheet1, &PageControl1,     0,   0,    0,    0,  {}},
        {Label4,        &DeinstallSheet1,   25,  25,  399,   95,  Font(Verdana10)},
        {Bevel3,        &DeinstallSheet1,   23, 124,  425,   10,  {}},
        {Button3,       &DeinstallSheet1,  290, 146,   75,   25,  {}},
        {Button5,       &DeinstallSheet1,  376, 146,   75,   25,  {}},
        {DeinstallSheet3, &PageControl1,     0,   0,    0,    0,  {}},
        {Label2,        &DeinstallSheet3,    0,  50,  465,   16,  Centred | Font(Verdana10Bold)},
        {Bevel4,        &DeinstallSheet3,   23, 124,  425,   10,  {}},
        {Button9,       &DeinstallSheet3,  378, 146,   75,   25,  {}},
        {Panel2,        nullptr,             0, 280,  477,   19,  AlignBottom | White | SunkenBorder | RaisedBevel},
    });
    Button9.OnClick = [this] { Button9Click(); };
    Button6.OnClick = [this] { Button6Click(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    OnCreate = [this] { FormCreate(); };
    Button3.OnClick = [this] { Button3Click(); };
    Button5.OnClick = [this] { Button5Click(); };
    Button4.OnClick = [this] { Button4Click(); };
}

bool IsInstallMode(const std::string& exePath) {
    return platform::FileExists(product::ModeProbe(platform::ExtractFilePath(exePath)));
}

void TForm1::FormCreate() {
    SetCaption(product::DisplayName);
    if (IsInstallMode(platform::ExeName())) {
        PageControl1.SetActivePage(InstallPage);
        StaticText1.SetCaption("Installation");
        Label3.SetCaption(WithDisplayName("This will install\n\r\"%s\"\n\ron your computer!\n\r\n\r"
                                          "Click \"Install\" to proceed..."));
        Label1.SetCaption("Installation finished!");
        Button1.SetCaption("Cancel");
        Button2.SetCaption("Install");
        Button4.SetCaption("Launch Application");
        Button6.SetCaption("Exit");
    } else {
        PageControl1.SetActivePage(UninstallPage);
        StaticText1.SetCaption("Uninstall");
        Label4.SetCaption(WithDisplayName("Do you want to remove\n\r\"%s\"\n\rfrom your computer?"
                                          "\n\r\n\rClick \"Uninstall\" to proceed..."));
        Label2.SetCaption("Uninstall successful");
        Button3.SetCaption("Cancel");
        Button5.SetCaption("Uninstall");
        Button9.SetCaption("Exit");
    }
}

void TForm1::Button1Click() { Close(); }
void TForm1::Button3Click() { Close(); }
void TForm1::Button6Click() { Close(); }
void TForm1::Button9Click() { Close(); }

// Button2Click and Button4Click: InstallSequence.cpp; Button5Click: UninstallSequence.cpp.
