// A list picker: the user chooses one printer from a list, with OK or a double-click,
// and the script prints the choice. The list keeps its items sorted.
//   cscript //nologo examples/list_picker.js
var PRINTERS = ["Reception laser", "Finance colour", "Plotter A0", "Second floor laser", "Label printer"];

var desk = new ActiveXObject("Morvane.Desktop");
var form = desk.CreateForm("picker", "Choose a printer", 250, 180, 300, 280);
form.Resizeable = 0;
form.AddLabel("prompt", "Print the report on:", 16, 12, 260, 18);
var list = form.AddListBox("printers", 16, 34, 260, 150);
for (var i = 0; i < PRINTERS.length; i++) list.AddItem(PRINTERS[i]);
list.OnDoubleClick = "answer = 'ok'";  // a double-click on an item picks it
var hint = form.AddLabel("hint", "", 16, 190, 260, 18);
list.OnChange = "hint.Caption = 'Selected: ' + list.Item(list.ListIndex)";
form.AddCmdButton("ok", "OK", 104, 212, 80, 28, "answer = 'ok'");
form.AddCmdButton("cancel", "Cancel", 196, 212, 80, 28, "answer = 'cancel'");

var answer = "";
form.Visible = 1;
list.SetFocus();                       // arrow keys move the selection at once
while (answer == "") {
    var event = form.LastEvent;
    if (event == "") break;            // closed from the title bar
    eval(event);
}

var picked = list.ListIndex;           // -1 when nothing is selected
if (answer == "ok" && picked >= 0) WScript.Echo("Printing on: " + list.Item(picked));
else if (answer == "ok") WScript.Echo("No printer selected: nothing printed.");
else WScript.Echo("Cancelled: nothing printed.");
desk.CloseAll();
