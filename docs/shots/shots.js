// The pictures of docs/images: each one shows a few windows alone on the screen.
// tools/screenshots.sh runs this script and answers its requests:
//   "shot NAME": the windows are ready; the tool photographs the screen, crops the picture
//       to the windows and creates DONE\NAME.done, which this script waits for;
//   "keys NAME X Y KEYS": as "shot", after the tool has rested the pointer at the screen
//       point X, Y and pressed KEYS there (xdotool's names);
//   "modal NAME": a dialog is about to open; the tool photographs it and closes it with
//       Escape, which returns from the dialog.
//   cscript //nologo docs/shots/shots.js DONE-FOLDER
var fso = new ActiveXObject("Scripting.FileSystemObject");
var desk = new ActiveXObject("Morvane.Desktop");
var done = WScript.Arguments(0);
var here = WScript.ScriptFullName.replace(/\\[^\\]*$/, "");
var picture = here + "\\..\\..\\examples\\morvane.gif";

function shot(name, forms) {
    for (var i = 0; i < forms.length; i++) forms[i].Visible = 1;
    WScript.Echo("shot " + name);
    while (!fso.FileExists(done + "\\" + name + ".done")) desk.Count;   // Count lets windows paint
    desk.CloseAll();
}
function keyShot(name, forms, x, y, keys) {
    for (var i = 0; i < forms.length; i++) forms[i].Visible = 1;
    WScript.Echo("keys " + name + " " + x + " " + y + " " + keys);
    while (!fso.FileExists(done + "\\" + name + ".done")) desk.Count;
    desk.CloseAll();
}
function form(caption, width, height) { return desk.CreateForm(caption, caption, 60, 60, width, height); }

// ---- The ten kinds of control, each with its main styles.
var f = form("Command buttons", 330, 110);
f.AddCmdButton("ok", "OK", 16, 20, 80, 28);
f.AddCmdButton("off", "Disabled", 108, 20, 80, 28).Enable = 0;
f.AddCmdButton("multi", "A caption on two lines", 200, 12, 100, 44, "", 1);
shot("cmdbutton", [f]);

f = form("Labels", 330, 130);
f.AddLabel("left", "Left-aligned label (0)", 16, 14, 280, 20, 0).BorderStyle = 1;
f.AddLabel("centre", "Centred label (1)", 16, 40, 280, 20, 1).BorderStyle = 1;
f.AddLabel("right", "Right-aligned label (2)", 16, 66, 280, 20, 2).BorderStyle = 1;
shot("label", [f]);

f = form("Text boxes", 330, 200);
f.AddTextbox("single", "A single-line text box", 16, 14, 280, 22);
f.AddTextbox("password", "secret", 16, 44, 280, 22).PasswordStyle = 1;
f.AddTextbox("multi", "A multi-line text box\r\nwith scroll bars\r\nand a third line", 16, 74, 280, 80, "", 0, 1);
shot("textbox", [f]);

f = form("Combo box", 330, 200);
var combo = f.AddComboBox("size", 16, 14, 280, 120);
combo.AddItem("Small"); combo.AddItem("Medium"); combo.AddItem("Large");
combo.ListIndex = 1;
shot("combobox", [f]);

f = form("List box", 330, 170);
var list = f.AddListBox("colours", 16, 14, 280, 110);
var colours = ["Red", "Green", "Blue", "Yellow", "Cyan", "Magenta", "Black", "White"];
for (var i = 0; i < colours.length; i++) list.AddItem(colours[i]);
list.ListIndex = 2;
shot("listbox", [f]);

f = form("Progress bars", 330, 120);
var smooth = f.AddProgressBar("smooth", 16, 16, 280, 20, 1);
var gradient = f.AddProgressBar("gradient", 16, 50, 280, 20, 2);
smooth.MaxProgress = 100; gradient.MaxProgress = 100;
smooth.CurrentProgress = 60; gradient.CurrentProgress = 60;
shot("progressbar", [f]);

f = form("Frame", 330, 150);
f.AddFrame("frame", "Delivery", 16, 8, 280, 96);
f.AddOptionBox("post", "By post", 32, 32, 200, 22).Value = 1;
f.AddOptionBox("pickup", "Picked up at the desk", 32, 62, 200, 22);
shot("frame", [f]);

f = form("Image", 200, 150);
f.AddImage("logo", picture, 16, 12, 150, 90);
shot("image", [f]);

f = form("Option boxes", 330, 130);
f.AddOptionBox("a", "Text on the right (default)", 16, 14, 280, 22).Value = 1;
f.AddOptionBox("b", "Text on the left", 16, 44, 280, 22, "", 1);
f.AddOptionBox("c", "Disabled", 16, 74, 280, 22).Enable = 0;
shot("optionbox", [f]);

f = form("Check boxes", 330, 130);
f.AddCheckBox("a", "Text on the right (default)", 16, 14, 280, 22).Value = 1;
f.AddCheckBox("b", "Text on the left", 16, 44, 280, 22, "", 1);
f.AddCheckBox("c", "Disabled", 16, 74, 280, 22).Enable = 0;
shot("checkbox", [f]);

// ---- Forms: title bars and system menus.
function sample(caption, width) {
    var s = form(caption, width || 300, 120);
    s.AddLabel("text", "A form of Morvane", 16, 16, 200, 20);
    return s;
}
shot("form_default", [sample("Title bar with every button")]);
f = sample("Close box only"); f.ChangeSysMenu(0, 0, 2);
shot("form_close_only", [f]);
f = sample("Minimise and close"); f.ChangeSysMenu(1, 0, 2);
shot("form_minimise_close", [f]);
f = sample("No buttons"); f.ChangeSysMenu(0, 0, 0);
shot("form_no_buttons", [f]);
f = sample("No title bar"); f.TitleBar = 0;
shot("form_no_title_bar", [f]);
f = sample("Not resizeable"); f.Resizeable = 0;
shot("form_fixed_size", [f]);
f = sample("Tool window", 240); f.ShowInTaskbar = 0;
shot("form_tool_window", [f]);

// A half-transparent, topmost tool window beside a form (beside rather than over it:
// Wine's virtual desktop on Xvfb leaves a window that overlaps another one of the same
// program black), the desktop showing through it.
var back = form("Main form", 300, 160);
back.AddLabel("text", "The main form", 16, 16, 260, 20);
var palette = desk.CreateForm("palette", "Palette", 370, 60, 220, 120);
palette.ShowInTaskbar = 0;
palette.TopMost = 1;
palette.AddLabel("tip", "Topmost, Layered = 60", 12, 16, 180, 20);
palette.Layered = 60;
shot("form_layered_topmost", [back, palette]);

// An owned dialog: the main form takes no input while it is shown.
var main = form("Main form", 300, 160);
main.AddLabel("text", "The owner takes no input while its dialog is shown.", 16, 16, 260, 36);
main.AddCmdButton("open", "Settings...", 16, 60, 100, 28);
var dialog = desk.CreateForm("dialog", "Settings", 370, 60, 260, 130);
dialog.HwndOwner = main.hwnd;
dialog.Resizeable = 0;
dialog.ChangeSysMenu(0, 0, 2);
dialog.AddCheckBox("sound", "Play a sound", 16, 16, 200, 22).Value = 1;
dialog.AddCmdButton("ok", "OK", 150, 56, 80, 28).SetAsDefault();
shot("form_owned_dialog", [main, dialog]);

// ---- One form at two sizes: the log viewer of examples/log_viewer.js, made, then
// sized by the script as a user's drag would size it; its controls follow their anchors.
function logViewer(width, height) {
    var f = form("Log viewer", 420, 300);
    var lines = f.AddListBox("lines", 10, 10, 384, 196);
    lines.AutoSort = 0;
    for (var i = 1; i <= 12; i++) lines.AddItem("08:" + (i < 10 ? "0" : "") + i + ":00  backup  copied folder " + i + " of 12");
    lines.Anchor = "LTRB";
    var line = f.AddTextbox("line", "lines: LTRB, this box: LRB, Close: RB", 10, 216, 290, 24);
    line.Anchor = "LRB";
    f.AddCmdButton("close", "Close", 314, 215, 80, 26).Anchor = "RB";
    f.MoveResize(-1, -1, width, height);
    return f;
}
shot("resize_small", [logViewer(420, 300)]);
shot("resize_large", [logViewer(600, 380)]);
// Keyboard use: Tab, from the first field to the check box, shows the underlined shortcut
// letters and the check box's tooltip, below the form (a window over another one of the
// same program stays black on the virtual display).
f = form("Sign in", 330, 146);
f.DialogKeys = 1;
f.AddLabel("nameLabel", "&Name:", 16, 18, 70, 20);
f.AddTextbox("name", "", 90, 16, 210, 24);
f.AddCheckBox("remember", "&Remember me", 90, 97, 200, 22).ToolTip = "Stay signed in on this computer";
f.AddCmdButton("ok", "&OK", 130, 52, 80, 28);
f.AddCmdButton("cancel", "Cancel", 220, 52, 80, 28).SetAsCancel();
keyShot("accessibility", [f], 100, 130, "Tab");

// ---- Dialogs: their owner stays hidden, so each picture shows the dialog alone.
function modal(name) { WScript.Echo("modal " + name); }
var owner = form("Owner", 200, 100);
modal("dialog_folder"); owner.ShowFolderBrowser("C:\\windows", "Copy the files into which folder?");
modal("dialog_file_open"); owner.ShowFileBrowserOpen();
modal("dialog_file_save"); owner.ShowFileBrowserSave();
modal("msgbox"); owner.ShowMsgBox("The files were copied.", "Copy files", 64);
modal("msgbox_question"); owner.ShowMsgBox("Replace the existing file?", "Copy files", 4 + 32);
desk.CloseAll();
WScript.Echo("end");
