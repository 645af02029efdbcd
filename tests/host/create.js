// Prints "created <architecture>" when this host can create Morvane.Desktop and a form.
var arch = new ActiveXObject("WScript.Shell").Environment("PROCESS")("PROCESSOR_ARCHITECTURE");
var desk = new ActiveXObject("Morvane.Desktop");
var form = desk.CreateForm("SideBySide", "Side by side");
if (form.hwnd != 0) WScript.Echo("created " + arch);
desk.CloseAll();
