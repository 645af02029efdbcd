// Controls from a JScript script: the ten add methods with left-out arguments, lookups,
// geometry, and event strings that the script evaluates, including one that closes
// every form from inside the event loop.
var failures = 0;
function ok(cond, msg) { if (!cond) { failures++; WScript.Echo("FAIL: " + msg); } }

var desk = new ActiveXObject("Morvane.Desktop");
// Run with the argument "classic", the whole script runs in the classic look.
if (WScript.Arguments.length > 0 && WScript.Arguments(0) == "classic") desk.VisualStyles = 0;
var form = desk.CreateForm("main", "Controls", 100, 100, 420, 320);

var made = [
    form.AddCmdButton("ok", "OK", 10, 10, 80, 24, "answer = 'ok'"),
    form.AddLabel("label", "Name:", 10, 40, 60, 20, -1),
    form.AddTextbox("text", "Ada", 80, 40, 120, 22),
    form.AddComboBox("combo", 10, 70, 120, 100),
    form.AddListBox("list", 140, 70, 120, 80, "picked = true"),
    form.AddProgressBar("bar", 10, 160, 200, 20),
    form.AddFrame("frame", "Group", 220, 10, 180, 140),
    form.AddImage("image", "Z:\\no\\such\\picture.bmp", 230, 30, 40, 40),
    form.AddOptionBox("option", "One", 280, 30, 100, 20, undefined, 1),
    form.AddCheckBox("check", "Sure")
];
for (var i = 0; i < made.length; i++) {
    ok(made[i] !== null, "add method " + i + " returned a control");
    ok(form.controls(i + 1).hwnd === made[i].hwnd, "controls(" + (i + 1) + ")");
}
ok(form.Count === 10, "Count = " + form.Count);
ok(form.controls("LIST").name === "list", "controls by name in any case");
ok(form.AddCheckBox("Check", "again") === null, "a name in use returns null");
ok(form.Count === 10, "nothing added for the duplicate: " + form.Count);
ok(made[0].OnClick === "answer = 'ok'", "OnClick from the add method: " + made[0].OnClick);
ok(made[9].OnClick === "", "OnClick left out is empty");
ok(made[9].Left === 0 && made[9].Top === 0, "geometry left out is 0");
ok(made[2].Left === 80 && made[2].Top === 40, "Left/Top = " + made[2].Left + "," + made[2].Top);
ok(made[2].Width === 120 && made[2].Height === 22, "Width/Height = " + made[2].Width + "x" + made[2].Height);
made[2].MoveResize(-1, -1, 200);
ok(made[2].Width === 200 && made[2].Left === 80, "MoveResize(-1, -1, 200)");
ok(made[2].BorderStyle === 10, "a text box has the sunken edge: " + made[2].BorderStyle);
made[2].BorderStyle = 3;
ok(made[2].BorderStyle === 11, "BorderStyle 3 reads " + made[2].BorderStyle);
ok(made[1].Parent.name === "main", "Parent is the form");

// An event string runs in the script: hiding a control posts its OnHide.
form.Visible = 1;
var hidden = "";
made[2].OnHide = "hidden = 'text'";
made[2].Visible = 0;
eval(form.LastEvent);
ok(hidden === "text", "OnHide evaluated: " + hidden);
ok(made[2].Visible === 0, "the text box is hidden");

// An event string that closes every form: the loop ends at once afterwards.
made[5].OnHide = "desk.CloseAll()";
made[5].Visible = 0;
var rounds = 0, event;
while ((event = form.LastEvent) !== "" && rounds < 10) {
    eval(event);
    rounds++;
}
ok(rounds === 1, "one event, then the destroyed form returns at once: " + rounds);
ok(desk.Count === 0, "CloseAll from an event string: Count = " + desk.Count);
ok(form.Count === 10 && made[0].name === "ok", "objects still answer after CloseAll");
ok(form.AddCmdButton("late", "late") === null, "nothing is added to a destroyed form");

if (failures === 0) WScript.Echo("PASS");
