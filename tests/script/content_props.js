// What controls show, set and read from JScript the way a script writes it.
var failures = 0;
function ok(cond, msg) { if (!cond) { failures++; WScript.Echo("FAIL: " + msg); } }

var desktop = new ActiveXObject("Morvane.Desktop");
// Run with the argument "classic", the whole script runs in the classic look.
if (WScript.Arguments.length > 0 && WScript.Arguments(0) == "classic") desktop.VisualStyles = 0;
var form = desktop.CreateForm("content", "Content", 100, 100, 360, 260);
var button = form.AddCmdButton("button", "Go", 10, 10, 80, 25, "go()");
var label = form.AddLabel("label", "Label", 10, 45, 120, 20);
var text = form.AddTextbox("text", "hello", 10, 70, 150, 22);
var pass = form.AddTextbox("pass", "secret", 10, 100, 150, 22);
var check = form.AddCheckBox("check", "Check", 10, 130, 120, 22);
var list = form.AddListBox("list", 180, 10, 150, 100);
form.Visible = 1;

ok(text.Text === "hello" && text.Caption === "hello", "Text/Caption = " + text.Text + "/" + text.Caption);
text.Text = "world";
ok(text.Caption === "world", "Caption after Text = " + text.Caption);
var long = new Array(301).join("x");
button.Caption = long;
ok(button.Caption.length === 254, "button.Caption.length = " + button.Caption.length);

check.Value = 5;
ok(check.Value === 1, "check.Value after 5 = " + check.Value);
check.Value = 0;
ok(check.Value === 0, "check.Value after 0 = " + check.Value);

label.TextAlign = -1;
ok(label.TextAlign === 1, "TextAlign after -1 = " + label.TextAlign);
label.TextAlign = 7;
ok(label.TextAlign === 2, "TextAlign after 7 = " + label.TextAlign);

pass.PasswordStyle = 1;
ok(pass.PasswordStyle === 1, "PasswordStyle = " + pass.PasswordStyle);
ok(pass.Text === "secret", "a masked box still reads its text: " + pass.Text);

button.Enable = 0;
ok(button.Enable === 0, "Enable after 0 = " + button.Enable);
button.Enable = 2;
ok(button.Enable === 1, "Enable after 2 = " + button.Enable);

text.Locked = 1;
ok(text.Locked === 1, "Locked = " + text.Locked);

// Members that do not apply answer empty, without an error (diagnostics are off).
ok(list.Caption === "", "list.Caption = '" + list.Caption + "'");
ok(label.Value === 0, "label.Value = " + label.Value);
label.SetAsDefault();
text.SetFocus();

desktop.CloseAll();
ok(text.Text === "" && check.Value === 0, "after CloseAll: '" + text.Text + "', " + check.Value);
if (failures === 0) WScript.Echo("PASS");
