// A sign-in dialog that answers the keys users expect: Enter signs in from any box,
// Escape cancels. The password box shows stars.
//   cscript //nologo examples/sign_in.js
var desk = new ActiveXObject("Morvane.Desktop");
var form = desk.CreateForm("signin", "Sign in to the archive", 260, 200, 330, 190);
form.Resizeable = 0;
form.ChangeSysMenu(0, 0, 2);           // only the close box on the title bar
form.AddLabel("userLabel", "User name:", 16, 20, 90, 20);
var user = form.AddTextbox("user", "", 110, 16, 190, 22);
form.AddLabel("passwordLabel", "Password:", 16, 54, 90, 20);
var password = form.AddTextbox("password", "", 110, 50, 190, 22);
password.PasswordStyle = 1;            // typed characters show as *
var remember = form.AddCheckBox("remember", "Remember my user name", 110, 80, 190, 22);
var ok = form.AddCmdButton("ok", "Sign in", 130, 116, 80, 28, "answer = 'ok'");
var cancel = form.AddCmdButton("cancel", "Cancel", 220, 116, 80, 28, "answer = 'cancel'");
ok.SetAsDefault();                     // Enter clicks it
cancel.SetAsCancel();                  // Escape clicks it
form.DialogKeys = 1;

var answer = "";
form.Visible = 1;
user.SetFocus();
while (answer == "") {
    var event = form.LastEvent;
    if (event == "") break;            // closed from the title bar
    eval(event);
    if (answer == "ok" && (user.Text == "" || password.Text == "")) {
        form.ShowMsgBox("Please type your user name and your password.", "Sign in", 48);
        answer = "";
        (user.Text == "" ? user : password).SetFocus();
    }
}

if (answer == "ok") {
    // A real script would hand the password to the service it signs in to.
    WScript.Echo("Signed in as " + user.Text + " with a " + password.Text.length + "-character password" +
                 (remember.Value == 1 ? "; the user name is remembered." : "."));
} else {
    WScript.Echo("Sign-in cancelled.");
}
desk.CloseAll();
