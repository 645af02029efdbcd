// A notice with a "Don't show again" check box: shown at every run until the user
// ticks the box; the choice is kept in the user's registry.
//   cscript //nologo examples/notice.js
var SETTING = "HKCU\\Software\\Morvane Examples\\Notice\\Hide";
var shell = new ActiveXObject("WScript.Shell");

function hidden() {
    try { return shell.RegRead(SETTING) == 1; } catch (e) { return false; }   // not saved yet
}

if (hidden()) {
    WScript.Echo("The notice stays hidden, as the user asked.");
    WScript.Quit();
}

var desk = new ActiveXObject("Morvane.Desktop");
var form = desk.CreateForm("notice", "Maintenance tonight", 250, 200, 360, 180);
form.Resizeable = 0;
form.ChangeSysMenu(0, 0, 2);           // only the close box on the title bar
form.AddLabel("text", "The file server restarts at 22:00 tonight. " +
    "Save your work and close your files before you leave.", 16, 16, 320, 48);
var again = form.AddCheckBox("again", "Don't show this again", 16, 80, 200, 22);
var ok = form.AddCmdButton("ok", "OK", 256, 104, 80, 28, "done = true");
ok.SetAsDefault();                     // the focus starts on OK: Enter or Space closes

var done = false;
form.Visible = 1;
while (!done) {
    var event = form.LastEvent;
    if (event == "") break;            // closed from the title bar: counts as OK
    eval(event);
}

if (again.Value == 1) {
    shell.RegWrite(SETTING, 1, "REG_DWORD");
    WScript.Echo("Notice read; it will not be shown again.");
} else {
    WScript.Echo("Notice read; it will be shown next time.");
}
desk.CloseAll();
