// What a screen reader is told: every window's role, and the names of the controls as
// the designs give them.
export const WINDOW_ROLES = { main: "region", dialog: "dialog", alert: "alertdialog" };

export function accessibleName(c) {
  if (c.accessibleName) return c.accessibleName;
  if (c.kind === "label") return c.text;
  return c.toolTip.trim();
}
