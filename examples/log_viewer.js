// A log viewer that resizes well: the list of lines grows with the window in both
// directions (Anchor "LTRB"), the box below it that shows the selected line in full keeps
// to the bottom and grows in width (Anchor "LRB"), and Close keeps to the bottom-right
// corner (Anchor "RB"). The user cannot make the window too small to use (MinWidth,
// MinHeight); once the user has resized it, the caption shows its new size (OnResize).
//   cscript //nologo examples/log_viewer.js [file]
var LINES = 40;

var desk = new ActiveXObject("Morvane.Desktop");
var form = desk.CreateForm("viewer", "Log viewer", 120, 100, 520, 380);
form.MinWidth = 320;
form.MinHeight = 240;
var list = form.AddListBox("lines", 10, 10, 484, 256);
list.AutoSort = 0;                     // the lines in the order they were written
list.Anchor = "LTRB";
var line = form.AddTextbox("line", "", 10, 276, 390, 24);
line.Locked = 1;
line.Anchor = "LRB";
var close = form.AddCmdButton("close", "Close", 414, 275, 80, 26, "done = true");
close.Anchor = "RB";

var shown = 0;
if (WScript.Arguments.length > 0) {
    var file = new ActiveXObject("Scripting.FileSystemObject").OpenTextFile(WScript.Arguments(0), 1);
    while (!file.AtEndOfStream) { list.AddItem(file.ReadLine()); shown++; }
    file.Close();
} else {
    for (var i = 1; i <= LINES; i++, shown++)
        list.AddItem("08:" + (i < 10 ? "0" : "") + i + ":00  backup  copied folder " + i + " of " + LINES);
}

list.OnChange = "line.Text = list.Item(list.ListIndex)";
form.OnResize = "form.Caption = 'Log viewer (' + form.Width + ' x ' + form.Height + ')'";
form.OnHide = "done = true";           // the close box
var done = false;
form.Visible = 1;
while (!done) eval(form.LastEvent);
WScript.Echo("Log viewer closed at " + form.Width + " x " + form.Height + ": " + shown + " lines shown.");
desk.CloseAll();
