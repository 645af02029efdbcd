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

// ---- Progress, a picture and a bold list: two progress bars (the system's smooth bar
// ---- and the library's own gradient bar) driven by a plain loop, a picture stretched
// ---- over an image control, and the colour list in bold.
form.Height = 420;
var folder = WScript.ScriptFullName.replace(/\\[^\\]*$/, "");
form.AddLabel("progressLabel", "Progress:", 10, 290, 70, 18);
var smooth = form.AddProgressBar("smooth", 10, 310, 260, 18, 1);
var gradient = form.AddProgressBar("gradient", 10, 334, 260, 18, 2);
var picture = form.AddImage("picture", folder + "\\morvane.gif", 285, 290, 125, 85);
colours.FontStyle = "b";
smooth.MaxProgress = 40;               // in the script's own units
gradient.MaxProgress = 40;
for (var step = 0; step <= 28; step++) {   // each assignment repaints the bar at once
    smooth.CurrentProgress = step;
    gradient.CurrentProgress = step;
}
WScript.Echo("progress at " + gradient.CurrentProgress + " of " + gradient.MaxProgress);
// ---- end of progress, picture and bold list

// ---- Shaping windows: a topmost, half-transparent tool window and a sign-in dialog
// ---- owned by the form (modal towards it while shown), with a password box.
// Closing the dialog without signing in ends the demo; "Sign in" hands the form over.
// (Beside the form rather than over it: Wine's virtual desktop on Xvfb leaves a window
// that overlaps another of the same program black on screen.)
var palette = desktop.CreateForm("palette", "Palette", 650, 120, 210, 130);
palette.ShowInTaskbar = 0;             // a tool window: small caption, no taskbar button
palette.TopMost = 1;
palette.Resizeable = 0;
palette.AddLabel("tip", "Always on top, half transparent (Layered = 50), no taskbar button.", 12, 12, 180, 60);
palette.Layered = 50;                  // per cent of opacity

var signin = desktop.CreateForm("signin", "Sign in", 650, 285, 280, 165);
signin.HwndOwner = form.hwnd;          // the form takes no input while the dialog is shown
signin.Resizeable = 0;
signin.ChangeSysMenu(0, 0, 2);         // only the close box on the title bar
signin.AddLabel("userLabel", "User:", 15, 19, 70, 20);
var user = signin.AddTextbox("user", "ada", 95, 15, 160, 22);
signin.AddLabel("passwordLabel", "Password:", 15, 51, 70, 20);
var password = signin.AddTextbox("password", "lovelace", 95, 47, 160, 22);
password.PasswordStyle = 1;            // shown as ********
signin.AddCmdButton("signinOk", "Sign in", 170, 88, 85, 28, "signedIn = true; signin.Visible = 0");

palette.Visible = 1;
signin.Visible = 1;
password.SetFocus();
WScript.Echo("sign-in dialog shown");

var signedIn = false;
while (signin.Visible == 1) {
    var signinEvent = signin.LastEvent;
    if (signinEvent === "") break;     // the user closed the dialog
    eval(signinEvent);
}
if (!signedIn) {
    WScript.Echo("sign-in closed");
    desktop.CloseAll();
    WScript.Quit();
}
WScript.Echo("signed in as " + user.Text);
// ---- end of shaping windows

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
