// Hello, Morvane: shows one form and waits until the user closes it.
//   cscript //nologo examples/hello.js
var desktop = new ActiveXObject("Morvane.Desktop");
var form = desktop.CreateForm("hello", "Hello from Morvane " + desktop.Version(false), 200, 150, 400, 250);
form.Visible = 1;
WScript.Echo("form shown");

// LastEvent waits for the form's next event; once the form is no longer
// visible it returns at once.
while (form.Visible == 1) {
    var event = form.LastEvent;
    if (event != "") WScript.Echo("event: " + event);
}
WScript.Echo("form closed");
