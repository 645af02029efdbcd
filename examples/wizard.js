// A three-page wizard on one form: each page is a set of controls shown while the page
// is current; Back and Next move between the pages and Finish ends on the last one.
//   cscript //nologo examples/wizard.js
var desk = new ActiveXObject("Morvane.Desktop");
var form = desk.CreateForm("wizard", "New workstation", 220, 160, 420, 260);
form.Resizeable = 0;
var title = form.AddLabel("title", "", 16, 12, 380, 20);
title.FontStyle = "b";

// Page 1: who the workstation is for.
var page1 = [
    form.AddLabel("userLabel", "User name:", 16, 52, 90, 20),
    form.AddTextbox("user", "", 110, 48, 200, 22)
];
// Page 2: what to install.
var page2 = [
    form.AddFrame("kind", "Installation", 16, 44, 380, 84),
    form.AddOptionBox("typical", "Typical: office and mail", 32, 66, 300, 22),
    form.AddOptionBox("custom", "Developer: office, mail and tools", 32, 94, 300, 22),
    form.AddCheckBox("printers", "Connect the floor's printers", 16, 138, 300, 22)
];
// Page 3: what will happen.
var summary = form.AddLabel("summary", "", 16, 48, 380, 90);
var page3 = [summary];

var back = form.AddCmdButton("back", "< Back", 136, 186, 80, 28, "go(page - 1)");
var next = form.AddCmdButton("next", "Next >", 224, 186, 80, 28, "go(page + 1)");
form.AddCmdButton("cancel", "Cancel", 316, 186, 80, 28, "answer = 'cancel'");
var pages = [page1, page2, page3];
var titles = ["Who is it for?", "What should it have?", "Ready to set it up"];
page2[1].Value = 1;

var page = 0, answer = "";
function go(to) {
    if (to == pages.length) { answer = "finish"; return; }
    for (var p = 0; p < pages.length; p++)
        for (var c = 0; c < pages[p].length; c++) pages[p][c].Visible = (p == to) ? 1 : 0;
    page = to;
    title.Caption = titles[page];
    back.Enable = page > 0 ? 1 : 0;
    next.Caption = page == pages.length - 1 ? "Finish" : "Next >";
    if (page == 2) summary.Caption = describe();
    if (page == 0) page1[1].SetFocus();
}
function describe() {
    var user = page1[1].Text == "" ? "(no name)" : page1[1].Text;
    return "User: " + user + "\nInstallation: " + (page2[2].Value == 1 ? "developer" : "typical") +
           "\nPrinters: " + (page2[3].Value == 1 ? "connected" : "not connected");
}

form.Visible = 1;
go(0);
while (answer == "") {
    var event = form.LastEvent;
    if (event == "") break;            // closed from the title bar
    eval(event);
}
WScript.Echo(answer == "finish" ? describe().replace(/\n/g, "; ") : "Cancelled: nothing set up.");
desk.CloseAll();
