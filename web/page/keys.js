// A key event as the core names keys: by their place on a US keyboard, with Ctrl (or
// Command), Alt and Shift. A letter is the Latin letter the layout types with it, as any
// Latin layout has it; where it types another script's letter, the key's place (the C key
// of a Greek keyboard types "ψ", and Ctrl with it copies). A key that names itself (an
// arrow, Home, Escape...) is taken by its name, where an on-screen keyboard or a script
// gives no place.
const NAMED = new Set(["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight", "PageUp", "PageDown", "Home",
                       "End", "Escape", "Enter", "Tab", "ContextMenu", "F10"]);

export function keyName(e) {
  let key = e.code;
  if (/^[a-z]$/i.test(e.key)) key = "Key" + e.key.toUpperCase();
  else if (e.key === "+" || e.key === "=") key = e.code === "NumpadAdd" ? "NumpadAdd" : "Equal";
  else if (e.key === "-") key = e.code === "NumpadSubtract" ? "NumpadSubtract" : "Minus";
  else if (e.key === "0") key = e.code === "Numpad0" ? "Numpad0" : "Digit0";
  else if (e.key === " ") key = "Space";
  else if (NAMED.has(e.key)) key = e.key;
  return (e.ctrlKey || e.metaKey ? "Ctrl+" : "") + (e.altKey ? "Alt+" : "") + (e.shiftKey ? "Shift+" : "") + key;
}
