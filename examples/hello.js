// Hello, Morvane: a small form that asks a few questions, waits for OK or Cancel and
// tells what was chosen.
//   cscript //nologo examples/hello.js
//
// Events come back as strings of script code: each control carries the code to run
// (OnClick, OnChange, ...), the script waits for the next one in LastEvent and
// evaluates it.
var desktop = new ActiveXObject("Morvane.Desktop");
var form = desktop.CreateForm("hello", "Hello from Morvane " + desktop.Version(false), 200, 120, 430, 330);

var frame = form.AddFrame("details", "Your details", 10, 5, 400, 230);
form.AddLabel("nameLabel", "Name:", 25, 32, 60, 20);
var name = form.AddTextbox("name", "Ada", 90, 28, 200, 22);
var news = form.AddCheckBox("news", "Send me the news", 25, 60, 180, 22, "choice = 'news'");
var morning = form.AddOptionBox("morning", "Mornings", 25, 88, 100, 22, "choice = 'morning'");
var evening = form.AddOptionBox("evening", "Evenings", 140, 88, 100, 22, "choice = 'evening'");
form.AddLabel("colourLabel", "Colour:", 25, 118, 80, 18);
var colours = form.AddListBox("colours", 25, 138, 150, 85, "");
form.AddLabel("sizeLabel", "Size:", 200, 118, 80, 18);
var size = form.AddComboBox("size", 200, 138, 150, 120, "");
var okButton = form.AddCmdButton("ok", "OK", 220, 250, 85, 28, "answer = 'ok'");
var cancel = form.AddCmdButton("cancel", "Cancel", 315, 250, 85, 28, "answer = 'cancel'");
colours.OnChange = "choice = 'colour'";
size.OnChange = "choice = 'size'";

// Runs fn and gives its value, or `otherwise` when the library answers with an
// error: filling lists and reading texts and check marks belong to the content
// members, which a library without them refuses.
function attempt(fn, otherwise) {
    try { return fn(); } catch (e) { return otherwise; }
}
var items = { colours: ["Red", "Green", "Blue"], size: ["Small", "Medium", "Large"] };
for (var i = 0; i < 3; i++) {
    attempt(function () { colours.AddItem(items.colours[i]); });
    attempt(function () { size.AddItem(items.size[i]); });
}

form.Visible = 1;
WScript.Echo("form shown");

// LastEvent waits for the next event string; it returns "" once the form is no
// longer visible (the user closed it).
var answer = "", choice = "";
while (answer === "") {
    var event = form.LastEvent;
    if (event === "") break;
    eval(event);
    if (choice !== "") WScript.Echo("chose: " + choice);
    choice = "";
}

if (answer === "ok") {
    WScript.Echo("name: " + attempt(function () { return name.Text; }, "(unknown)"));
    WScript.Echo("news: " + attempt(function () { return news.Value; }, "(unknown)"));
    WScript.Echo("evenings: " + attempt(function () { return evening.Value; }, "(unknown)"));
}
WScript.Echo(answer === "" ? "form closed" : "answer: " + answer);
desktop.CloseAll();
