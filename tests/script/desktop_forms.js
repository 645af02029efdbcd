// Desktop and form basics as a JScript logon script uses them: creation with defaults,
// lookups, closing, optional arguments, and what bad input gets back.
var failures = 0;
function ok(cond, msg) { if (!cond) { failures++; WScript.Echo("FAIL: " + msg); } }
function errorOf(fn) { try { fn(); return 0; } catch (e) { return e.number >>> 0; } }
// JScript reports the dispatcher's type mismatch as is, and the overflow exception by
// the Basic runtime's error number 6.
var TYPE_MISMATCH = 0x80020005, OVERFLOW = 0x800A0006;
function hex(n) { return "0x" + (n >>> 0).toString(16); }

var desk = new ActiveXObject("Morvane.Desktop");
// Run with the argument "classic", the whole script runs in the classic look.
if (WScript.Arguments.length > 0 && WScript.Arguments(0) == "classic") desk.VisualStyles = 0;
ok(desk.Version(false) === "1.142", "Version(false) = " + desk.Version(false));
ok(desk.DebugOption === 0, "DebugOption starts at 0: " + desk.DebugOption);
desk.DebugOption = 5;
ok(desk.DebugOption === 1, "DebugOption = 5 reads " + desk.DebugOption);
desk.DebugOption = 0;

// Only a name and a caption: the other four take their defaults.
var main = desk.CreateForm("Main", "Main form");
ok(main !== null, "CreateForm returned a form");
ok(main.name === "Main", "name = " + main.name);
ok(main.Visible === 0, "a new form is hidden: " + main.Visible);
ok(main.hwnd > 0, "hwnd = " + main.hwnd);
ok(desk.Count === 1, "Count = " + desk.Count);
ok(desk.CreateForm("MAIN", "again") === null, "duplicate in another case returns null");
ok(desk.CreateForm("main", "again", 1, 2, 3, 4) === null, "duplicate with geometry returns null");
ok(desk.Count === 1, "Count after duplicates = " + desk.Count);

var b = desk.CreateForm("B", "Second", 10, 10, 200, 100);
var c = desk.CreateForm("C", "Third", undefined, undefined, 300);  // undefined = left out
ok(desk.forms("b").hwnd === b.hwnd, "forms by name ignores case");
ok(desk.forms(2).hwnd === b.hwnd, "forms(2) is B");
ok(desk("c").hwnd === c.hwnd, "the default member is forms");
ok(desk.forms(0) === null, "forms(0) is null");
ok(desk.forms("nobody") === null, "forms of an unknown name is null");
ok(desk.forms(99) === null, "forms past the end is null");
ok(main.Parent.Version(false) === "1.142", "Parent is the Desktop");

// Events strings are stored as given.
main.OnShow = "shown = true";
ok(main.OnShow === "shown = true", "OnShow = " + main.OnShow);
ok(main.LastEvent === "", "LastEvent of a hidden form returns at once");
main.Visible = 1;
ok(main.Visible === 1, "Visible after showing = " + main.Visible);
main.Visible = 0;
ok(main.Visible === 0, "Visible after hiding = " + main.Visible);

// Bad input gets a defined answer: an error the script can catch, never a crash.
ok(errorOf(function () { desk.CreateForm("X", "x", null); }) === TYPE_MISMATCH, "null for a number");
ok(errorOf(function () { desk.CreateForm("X", "x", {}); }) === TYPE_MISMATCH, "an object for a number");
ok(errorOf(function () { desk.CreateForm("X", "x", [1, 2]); }) === TYPE_MISMATCH, "an array for a number");
ok(errorOf(function () { desk.CreateForm("X", "x", "ten"); }) === TYPE_MISMATCH, "text for a number");
ok(errorOf(function () { desk.CreateForm("X", "x", 1e12); }) === OVERFLOW, "a huge number: " + hex(errorOf(function () { desk.CreateForm("X", "x", 1e12); })));
ok(errorOf(function () { desk.CreateForm(desk, "x"); }) === TYPE_MISMATCH, "an object for a string");
ok(errorOf(function () { desk.NoSuchMember(); }) !== 0, "unknown member fails");
ok(errorOf(function () { main.controls(); }) !== 0, "a required argument left out fails");
ok(desk.forms("X") === null, "nothing was created by the failed calls");
var big = new Array(1024 * 1024 + 1).join("x");  // 1 MB
var huge = desk.CreateForm(big, big, -5, -5, 0x7FFFFFFF, -100);
ok(huge !== null && huge.name.length === big.length, "a 1 MB name and caption");
main.OnHide = big;
ok(main.OnHide.length === big.length, "a 1 MB event string");

// Closing all: the registry empties, the objects still answer.
desk.CloseAll();
ok(desk.Count === 0, "Count after CloseAll = " + desk.Count);
// The OnShow string posted when the form was shown is still pending: it comes first.
var pending = main.LastEvent;
ok(pending === "shown = true", "the pending event after CloseAll = " + pending);
ok(main.LastEvent === "", "LastEvent after CloseAll returns at once");
ok(main.Visible === 0, "Visible after CloseAll = " + main.Visible);
main.Visible = 1;
ok(main.Visible === 0, "a destroyed form cannot be shown");
ok(main.name === "Main" && main.Count === 0, "name and Count still answer");
desk.CloseAll();
ok(desk.CreateForm("Main", "again") !== null, "the name is free after CloseAll");
desk.CloseAll();

if (failures === 0) WScript.Echo("PASS");
