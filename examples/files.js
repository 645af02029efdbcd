// Copy a file: the user picks a file, then the folder to copy it into; the shell copies
// it with its progress window (asking before it replaces anything), and a message box
// tells how it went.
//   cscript //nologo examples/files.js
var desktop = new ActiveXObject("Morvane.Desktop");
var form = desktop.CreateForm("files", "Copy a file", 200, 150, 420, 120);
form.Visible = 1;
WScript.Echo("form shown");

var TITLE = "Copy a file", MB_ICONINFORMATION = 64, MB_ICONEXCLAMATION = 48;

function folderOf(path) { return path.substring(0, path.lastIndexOf("\\")); }
function nameOf(path) { return path.substring(path.lastIndexOf("\\") + 1); }

// What CopyFilePB gives back: 1 when the copy is done, 2 when a path was refused before
// anything was touched, 1223 when the user cancelled or declined; other numbers are the
// shell's own error codes.
function describe(result, target) {
    if (result == 1) return "Copied to " + target + ".";
    if (result == 2) return "Nothing copied: the paths could not be used.";
    if (result == 1223) return "Nothing copied: the copy was cancelled.";
    return "Nothing copied: the shell reported error " + result + ".";
}

function copyOne() {
    var file = form.ShowFileBrowserOpen();
    if (file == "") return "No file chosen: nothing copied.";
    var folder = form.ShowFolderBrowser(folderOf(file), "Copy " + nameOf(file) + " into which folder?");
    if (folder == "") return "No folder chosen: nothing copied.";
    // A drive's root comes back with its backslash ("C:\"), any other folder without.
    var target = folder.replace(/\\$/, "") + "\\" + nameOf(file);
    if (target.toLowerCase() == file.toLowerCase()) return "The file is in that folder already.";
    return describe(form.CopyFilePB(file, target, 0, 0), target);
}

var message = copyOne();
var copied = message.indexOf("Copied") == 0;
form.ShowMsgBox(message, TITLE, copied ? MB_ICONINFORMATION : MB_ICONEXCLAMATION);
WScript.Echo(message);
desktop.CloseAll();
