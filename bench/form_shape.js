// Cost per call of the form's shaping members from a JScript loop: flag getters (each
// runs a message pass), caption and geometry reads, Layered and MoveResize writes, and a
// system-menu lookup (Moveable). Prints microseconds per call; judges nothing.
var desk = new ActiveXObject("Morvane.Desktop");
var form = desk.CreateForm("Bench", "Bench", 100, 100, 300, 200);
form.Visible = 1;

function perCall(n, body) {
    body(10);  // warm up
    var start = new Date().getTime();
    body(n);
    return (new Date().getTime() - start) * 1000 / n;
}

function row(name, us) {
    var pad = "                                ";
    WScript.Echo("  " + (name + pad).substr(0, 32) + us.toFixed(1) + " us/call");
}

WScript.Echo("form shaping, visible form:");
row("TopMost (get)", perCall(20000, function (n) { var x; for (var i = 0; i < n; i++) x = form.TopMost; }));
row("Caption (get)", perCall(20000, function (n) { var x; for (var i = 0; i < n; i++) x = form.Caption; }));
row("Width (get)", perCall(20000, function (n) { var x; for (var i = 0; i < n; i++) x = form.Width; }));
row("Moveable (get)", perCall(20000, function (n) { var x; for (var i = 0; i < n; i++) x = form.Moveable; }));
row("Layered = 0..99 (let)", perCall(2000, function (n) { for (var i = 0; i < n; i++) form.Layered = i % 100; }));
row("MoveResize (alternating)", perCall(2000, function (n) { for (var i = 0; i < n; i++) form.MoveResize(100 + i % 2, 100); }));
row("Caption = 20 chars (let)", perCall(5000, function (n) { for (var i = 0; i < n; i++) form.Caption = "Caption number " + i; }));
desk.CloseAll();
