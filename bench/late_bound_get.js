// Cost of a late-bound property get on a form (OnShow) from a JScript loop, side by side
// with the same loop reading Scripting.Dictionary's Item. Prints both and their ratio.
var N = 100000;
var desk = new ActiveXObject("Morvane.Desktop");
var form = desk.CreateForm("Bench", "Bench");
form.OnShow = "shown()";
var dict = new ActiveXObject("Scripting.Dictionary");
dict.Add("OnShow", "shown()");

function timeLoop(body) {
    var start = new Date().getTime();
    body();
    return new Date().getTime() - start;
}

// Warm up both paths once, then measure in alternation to share any machine noise.
var s;
for (var w = 0; w < 1000; w++) { s = form.OnShow; s = dict.Item("OnShow"); }
var ours = 0, theirs = 0;
for (var round = 0; round < 3; round++) {
    ours += timeLoop(function () { var x; for (var i = 0; i < N; i++) x = form.OnShow; });
    theirs += timeLoop(function () { var x; for (var i = 0; i < N; i++) x = dict.Item("OnShow"); });
}
ours /= 3; theirs /= 3;
WScript.Echo("late-bound get, " + N + " calls:");
WScript.Echo("  form.OnShow                      " + ours.toFixed(0) + " ms  (" + (ours * 1000 / N).toFixed(2) + " us/call)");
WScript.Echo("  Scripting.Dictionary.Item(key)   " + theirs.toFixed(0) + " ms  (" + (theirs * 1000 / N).toFixed(2) + " us/call)");
WScript.Echo("  ratio ours/dictionary            " + (theirs > 0 ? (ours / theirs).toFixed(2) : "n/a") + "x  (target <= 0.5x)");
desk.CloseAll();
