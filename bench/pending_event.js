// What PendingEvent costs a script that polls it. First on an idle shown form, per call
// from a JScript loop, beside a late-bound Caption get; then around 1 000 small file
// copies, the copy loop with and without a PendingEvent after each file (copies by
// Scripting.FileSystemObject, the faster, and by the form's CopyFilePB). The machine's
// load drifts: both sides of each comparison are timed in short alternating slices, and
// the median of the slices' ratios is printed.
var ROUNDS = 15, FILES = 1000, SLICE = 100;
var desk = new ActiveXObject("Morvane.Desktop");
var form = desk.CreateForm("Bench", "Bench", 100, 100, 300, 150);
form.Visible = 1;
var fso = new ActiveXObject("Scripting.FileSystemObject");

function timeLoop(body) {
    var start = new Date().getTime();
    body();
    return new Date().getTime() - start;
}
function median(values) {
    var sorted = values.slice(0).sort(function (a, b) { return a - b; });
    return sorted[Math.floor(sorted.length / 2)];
}
function us(ms, calls) { return (ms * 1000 / calls).toFixed(2) + " us/call"; }

// Idle: slices long enough for the clock's millisecond steps.
var POLLS = 2000, GETS = 20000, ratios = [], poll = [], get = [];
for (var w = 0; w < 1000; w++) { form.PendingEvent; form.Caption; }
for (var round = 0; round < ROUNDS; round++) {
    var p = timeLoop(function () { var x; for (var i = 0; i < POLLS; i++) x = form.PendingEvent; }) / POLLS;
    var g = timeLoop(function () { var x; for (var i = 0; i < GETS; i++) x = form.Caption; }) / GETS;
    poll.push(p); get.push(g);
    if (g > 0) ratios.push(p / g);
}
WScript.Echo("PendingEvent on an idle form (medians of " + ROUNDS + " slices):");
WScript.Echo("  form.PendingEvent   " + us(median(poll), 1));
WScript.Echo("  form.Caption        " + us(median(get), 1));
WScript.Echo("  ratio               " + median(ratios).toFixed(1) + "x  (target <= 10x)");

var root = fso.GetSpecialFolder(2).Path + "\\morvane-bench-" + new Date().getTime();
var from = root + "\\from\\f", to = root + "\\to\\f";
fso.CreateFolder(root);
fso.CreateFolder(root + "\\from");
fso.CreateFolder(root + "\\to");
for (var i = 0; i < FILES; i++) {
    var file = fso.CreateTextFile(from + i + ".txt", true);
    file.Write("small file number " + i);
    file.Close();
}

var copiers = {
    "FileSystemObject.CopyFile": function (i) { fso.CopyFile(from + i + ".txt", to + i + ".txt", true); },
    "form.CopyFilePB (silent)": function (i) { form.CopyFilePB(from + i + ".txt", to + i + ".txt", 1, 1); }
};
// Copies files first .. first+SLICE-1, asking PendingEvent after each one when polled.
function copySlice(copy, first, polled) {
    return timeLoop(function () {
        for (var i = first; i < first + SLICE; i++) {
            copy(i);
            if (polled) {
                var event = form.PendingEvent;
                if (event != "") eval(event);
            }
        }
    });
}
for (var name in copiers) {
    var plain = 0, polled = 0, slowdowns = [];
    for (var i = 0; i < FILES; i++) copiers[name](i);  // warm up: the targets exist from here on
    for (var round = 0; round < 3; round++) {
        for (var first = 0; first < FILES; first += SLICE) {
            var a = copySlice(copiers[name], first, false), b = copySlice(copiers[name], first, true);
            plain += a; polled += b;
            if (a > 0) slowdowns.push(b / a - 1);
        }
    }
    WScript.Echo(FILES + " small file copies, " + name + " (3 times, in slices of " + SLICE + "):");
    WScript.Echo("  without PendingEvent   " + (plain / 3).toFixed(0) + " ms");
    WScript.Echo("  with PendingEvent      " + (polled / 3).toFixed(0) + " ms");
    WScript.Echo("  slower by              " + (median(slowdowns) * 100).toFixed(1) + " %, median of the slices" +
                 "  (target <= 10 %)");
}
fso.DeleteFolder(root, true);
desk.CloseAll();
