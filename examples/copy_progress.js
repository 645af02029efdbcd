// Copy the files of one folder into another, one by one, with a progress bar and the
// name of the file being copied; Cancel stops between two files and says how many were
// copied. The folders are asked for with the folder browser, or given as arguments.
//   cscript //nologo examples/copy_progress.js [source-folder target-folder]
var desk = new ActiveXObject("Morvane.Desktop");
var form = desk.CreateForm("copy", "Copy files", 240, 200, 420, 170);
form.Resizeable = 0;
var status = form.AddLabel("status", "Choose the folders...", 16, 16, 380, 20);
var bar = form.AddProgressBar("bar", 16, 44, 380, 22, 2);   // 2: the gradient bar
var count = form.AddLabel("count", "", 16, 74, 380, 20);
var cancel = form.AddCmdButton("cancel", "Cancel", 316, 100, 80, 28, "cancelled = true");
form.Visible = 1;

var args = WScript.Arguments;
var source = args.length >= 2 ? args(0) : form.ShowFolderBrowser("", "Copy the files of which folder?");
var target = args.length >= 2 ? args(1) : (source == "" ? "" : form.ShowFolderBrowser(source, "Into which folder?"));
if (source == "" || target == "") {
    WScript.Echo("No folder chosen: nothing copied.");
    desk.CloseAll();
    WScript.Quit();
}

// The folder's files (not its subfolders), through the shell's view of the folder.
var files = [], items = new ActiveXObject("Shell.Application").NameSpace(source).Items();
for (var i = 0; i < items.Count; i++) {
    var item = items.Item(i);
    if (!item.IsFolder) files.push(item.Path.substring(item.Path.lastIndexOf("\\") + 1));
}
bar.MaxProgress = files.length;

var cancelled = false, copied = 0, failed = 0;
for (var i = 0; i < files.length && !cancelled; i++) {
    status.Caption = "Copying " + files[i];
    // Silent (no window of the shell's own), asking before it replaces a file.
    var result = form.CopyFilePB(source + "\\" + files[i], target + "\\" + files[i], 1, 0);
    if (result == 1) copied++; else failed++;
    bar.CurrentProgress = i + 1;       // repaints the bar
    count.Caption = copied + " of " + files.length + " copied";
    var event = form.PendingEvent;     // a click on Cancel, if any; never waits
    if (event != "") eval(event);
    if (form.Visible == 0) cancelled = true;   // closed from the title bar
}

var report = (cancelled ? "Cancelled: copied " : "Done: copied ") + copied + " of " + files.length + " files" +
             (failed ? " (" + failed + " failed)." : ".");
status.Caption = report;
WScript.Echo(report);
desk.CloseAll();
