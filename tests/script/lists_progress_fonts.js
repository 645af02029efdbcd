// Lists, progress bars and fonts as a JScript script drives them: what it reads back,
// and the errors it can catch (an assignment to CurrentProgress before MaxProgress).
var failures = 0;
function ok(cond, msg) { if (!cond) { failures++; WScript.Echo("FAIL: " + msg); } }
function errorOf(fn) { try { fn(); return 0; } catch (e) { return e.number >>> 0; } }
var OVERFLOW = 0x800A0006, DIVISION_BY_ZERO = 0x800A000B;
function hex(n) { return "0x" + (n >>> 0).toString(16); }

var desk = new ActiveXObject("Morvane.Desktop");
// Run with the argument "classic", the whole script runs in the classic look.
if (WScript.Arguments.length > 0 && WScript.Arguments(0) == "classic") desk.VisualStyles = 0;
var form = desk.CreateForm("Content", "Lists, bars and fonts", 100, 100, 420, 300);
form.Visible = 1;

// A list box: sorted, read back by index, items of any length whole.
var list = form.AddListBox("Names", 10, 10, 150, 120);
list.AddItem("Zoe");
list.AddItem("Adam");
list.AddItem("");  // ignored
ok(list.Count === 2, "Count = " + list.Count);
ok(list.Item(0) === "Adam" && list.Item(1) === "Zoe", "sorted: " + list.Item(0) + ", " + list.Item(1));
ok(list.Item(2) === "" && list.Item(-1) === "", "outside the list: empty");
var long = new Array(1001).join("x");
list.AddItem(long);
ok(list.Item(1) === long, "an item of 1000 characters reads back whole, between the others: " + list.Item(1).length);
ok(list.ListIndex === -1, "nothing selected: " + list.ListIndex);
list.ListIndex = 1;
ok(list.ListIndex === 1, "ListIndex = " + list.ListIndex);
list.RemoveItem(1);
ok(list.Count === 2, "Count after RemoveItem = " + list.Count);
list.Clear();
ok(list.Count === 0, "Count after Clear = " + list.Count);
ok(list.AutoSort === 1, "a list box sorts: " + list.AutoSort);

var combo = form.AddComboBox("Choice", 170, 10, 150, 120);
combo.AddItem("two");
combo.AddItem("one");
ok(combo.Item(0) === "one" && combo.Count === 2, "combo: " + combo.Item(0) + ", " + combo.Count);
combo.AutoSort = 0;
ok(combo.AutoSort === 0, "combo AutoSort = " + combo.AutoSort);

// A progress bar in the script's units.
var bar = form.AddProgressBar("Bar", 10, 140, 200, 20, 2);
ok(bar.ProgressBarStyle === 2, "ProgressBarStyle = " + bar.ProgressBarStyle);
var err = errorOf(function () { bar.CurrentProgress = 5; });
ok(err === DIVISION_BY_ZERO, "CurrentProgress before MaxProgress: " + hex(err));
bar.MaxProgress = 200;
bar.CurrentProgress = 101;
ok(bar.CurrentProgress === 100, "101 of 200 reads back " + bar.CurrentProgress);
err = errorOf(function () { bar.CurrentProgress = 30000000; });
ok(err === OVERFLOW, "a hundredfold past 32 bits: " + hex(err));
ok(bar.CurrentProgress === 100, "unchanged after the error: " + bar.CurrentProgress);
bar.ProgressBarStyle = -7;
ok(bar.ProgressBarStyle === 2, "-7 behaves as 2: " + bar.ProgressBarStyle);
bar.ProgressBarStyle = 0;
ok(bar.ProgressBarStyle === 1, "0 reads 1 on a smooth bar: " + bar.ProgressBarStyle);

// Fonts: the raw height, style letters, names.
var label = form.AddLabel("Title", "Title", 10, 170, 200, 30);
label.FontName = "Arial";
label.FontSize = 18;
label.FontStyle = "BU";
ok(label.FontName === "Arial", "FontName = " + label.FontName);
ok(label.FontSize === 18, "FontSize = " + label.FontSize);
ok(label.FontStyle === "bu", "FontStyle = " + label.FontStyle);
label.FontSize = 20;
ok(label.FontStyle === "", "FontSize makes the font regular: '" + label.FontStyle + "'");
label.FontName = "Caf\u00e9";
ok(label.FontName === "Caf\u00e9", "an accented name reads back whole: " + label.FontName);

// Members of other kinds raise nothing and answer empty.
ok(label.Count === 0 && label.MaxProgress === 0, "a label has no list and no bar");
ok(errorOf(function () { label.CurrentProgress = 5; }) === 0, "CurrentProgress on a label raises nothing");

desk.CloseAll();
if (failures === 0) WScript.Echo("PASS");
