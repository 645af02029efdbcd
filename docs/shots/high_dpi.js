// The picture of the High DPI guide: one form, shown by tools/screenshots.sh at 100 % and
// again at 150 % (the same script, the same numbers).
//   cscript //nologo docs/shots/high_dpi.js DONE-FOLDER PERCENT
var fso = new ActiveXObject("Scripting.FileSystemObject");
var desk = new ActiveXObject("Morvane.Desktop");
var done = WScript.Arguments(0), percent = WScript.Arguments(1);
var here = WScript.ScriptFullName.replace(/\\[^\\]*$/, "");

var f = desk.CreateForm("dpi", "Copy files (" + percent + " %)", 60, 60, 330, 270);
f.AddImage("logo", here + "\\..\\..\\examples\\morvane.gif", 16, 12, 130, 90);
f.AddLabel("what", "Copy the reports into the archive folder?", 160, 20, 150, 36);
f.AddCheckBox("again", "Don't ask again", 160, 70, 150, 20);
var bar = f.AddProgressBar("bar", 16, 120, 290, 16, 2);
bar.MaxProgress = 100;
bar.CurrentProgress = 60;
f.AddCmdButton("ok", "Copy", 136, 196, 80, 28).SetAsDefault();
f.AddCmdButton("cancel", "Cancel", 226, 196, 80, 28);
f.Visible = 1;
var name = "high_dpi_" + percent;
WScript.Echo("shot " + name);
while (!fso.FileExists(done + "\\" + name + ".done")) desk.Count;
desk.CloseAll();
WScript.Echo("end");
