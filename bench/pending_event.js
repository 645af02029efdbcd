// What PendingEvent costs a script that polls it. First on an idle shown form, per call
// from a JScript loop, beside a late-bound Caption get in the same run; then around
// 1 000 small file copies, the copy loop with and without a PendingEvent after each file
// (copies by Scripting.FileSystemObject, the faster, and by the form's CopyFilePB).
var N = 20000, FILES = 1000, ROUNDS = 3;
var desk = new ActiveXObject("Morvane.Desktop");
var form = desk.CreateForm("Bench", "Bench", 100, 100, 300, 150);
form.Visible = 1;
var fso = new ActiveXObject("Scripting.FileSystemObject");

function timeLoop(body) {
    var start = new Date().getTime();
    body();
    return new Date().getTime() - start;
}
function us(ms, calls) { return (ms * 1000 / calls).toFixed(2) + " us/call"; }

// Warm up both paths once, then measure in alternation to share any machine noise.
var s;
for (var w = 0; w < 1000; w++) { s = form.PendingEvent; s = form.Caption; }
var poll = 0, get = 0;
for (var round = 0; round < ROUNDS; round++) {
    poll += timeLoop(function () { var x; for (var i = 0; i < N; i++) x = form.PendingEvent; });
    get += timeLoop(function () { var x; for (var i = 0; i < N; i++) x = form.Caption; });
}
poll /= ROUNDS; get /= ROUNDS;
WScript.Echo("PendingEvent on an idle form, " + N + " calls:");
WScript.Echo("  form.PendingEvent   " + poll.toFixed(0) + " ms  (" + us(poll, N) + ")");
WScript.Echo("  form.Caption        " + get.toFixed(0) + " ms  (" + us(get, N) + ")");
WScript.Echo("  ratio               " + (get > 0 ? (poll / get).toFixed(1) : "n/a") + "x  (target <= 10x)");

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
function copyAll(copy, polled) {
    return timeLoop(function () {
        for (var i = 0; i < FILES; i++) {
            copy(i);
            if (polled) {
                var event = form.PendingEvent;
                if (event != "") eval(event);
            }
        }
    });
}
for (var name in copiers) {
    var plain = 0, polled = 0;
    copyAll(copiers[name], false);  // warm up: the targets exist from here on
    for (var round = 0; round < ROUNDS; round++) {
        plain += copyAll(copiers[name], false);
        polled += copyAll(copiers[name], true);
    }
    plain /= ROUNDS; polled /= ROUNDS;
    WScript.Echo(FILES + " small file copies, " + name + ":");
    WScript.Echo("  without PendingEvent   " + plain.toFixed(0) + " ms");
    WScript.Echo("  with PendingEvent      " + polled.toFixed(0) + " ms");
    WScript.Echo("  slower by              " + (plain > 0 ? ((polled / plain - 1) * 100).toFixed(1) : "n/a") +
                 " %  (target <= 10 %)");
}
fso.DeleteFolder(root, true);
desk.CloseAll();
