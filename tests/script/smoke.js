// Smoke test: the registered library creates its Desktop object by ProgID.
var failures = 0;
function ok(cond, msg) { if (!cond) { failures++; WScript.Echo("FAIL: " + msg); } }

var desktop = new ActiveXObject("Morvane.Desktop");
// Run with the argument "classic", the whole script runs in the classic look.
if (WScript.Arguments.length > 0 && WScript.Arguments(0) == "classic") desktop.VisualStyles = 0;
// Not concatenated into the message: converting the object to text calls its
// default member, forms(), whose argument is required.
ok(typeof desktop == "object", "typeof desktop = " + typeof desktop);
var version = desktop.Version(false);
ok(version == "1.142", "Version(false) = " + version);

if (failures == 0) WScript.Echo("PASS");
