// The menu bar, built from the core's table of entries: drop-downs and sub-menus of
// buttons, the rule items' check marks, the shortcuts shown beside their items and matched
// on the keyboard. It takes the focus while open and hands it back where it was.

import {takesfocusback} from './boxes.js';

// Keys the browser keeps for itself (a new window, closing the tab): the page answers these
// instead, and its menu shows them.
const BROWSER_KEEPS = {'Ctrl+N': 'Ctrl+Alt+N'};

function parsekeys(shortcut) {
    const parts = shortcut.split('+');
    return {
        ctrl: parts.includes('Ctrl'), shift: parts.includes('Shift'), alt: parts.includes('Alt'),
        code: `Key${parts[parts.length - 1]}`,
    };
}

function ariakeys(shortcut) {
    return shortcut.replace('Ctrl', 'Control');
}

export class MenuBar {
    // `entries` in display order, each {name, caption, place, kind, command, rule, shortcut};
    // `choose(entry)` runs an item.
    constructor(nav, entries, choose) {
        this.nav = nav;
        this.choose = choose;
        this.buttons = new Map();
        this.keys = [];
        this.returnto = null;
        this.entries = entries;
        this.build('', nav);
        nav.addEventListener('keydown', (event) => this.onkey(event));
        // The control the menu hands the focus back to: the last one outside it and the dialogs.
        document.addEventListener('focusin', (event) => {
            if (!nav.contains(event.target) && !event.target.closest?.('dialog')) {
                this.returnto = event.target;
            }
        });
        document.addEventListener('pointerdown', (event) => {
            if (!nav.contains(event.target)) this.closeall(true);
        });
    }

    build(place, container) {
        const items = [];
        for (const entry of this.entries.filter((e) => e.place === place)) {
            if (entry.kind === 'separator') {
                const line = document.createElement('div');
                line.setAttribute('role', 'separator');
                items.push(line);
                continue;
            }
            const button = document.createElement('button');
            button.type = 'button';
            button.id = `menu-${entry.name}`;
            button.dataset.name = entry.name;
            button.setAttribute('role', entry.rule ? 'menuitemradio' : 'menuitem');
            const caption = document.createElement('span');
            caption.className = 'label';
            caption.textContent = entry.caption;
            button.append(caption);
            this.buttons.set(entry.name, button);
            if (entry.kind === 'menu') {
                items.push(this.submenu(entry, button));
                continue;
            }
            if (entry.shortcut) this.addshortcut(entry, button);
            button.addEventListener('click', () => {
                this.closeall(true);
                this.choose(entry);
            });
            items.push(button);
        }
        // A separator at either end of a drop-down, or after another, is not shown.
        const shown = items.filter((item, i) => item.getAttribute('role') !== 'separator' ||
            (i > 0 && i < items.length - 1 && items[i - 1].getAttribute('role') !== 'separator'));
        container.append(...shown);
    }

    submenu(entry, button) {
        const wrap = document.createElement('div');
        wrap.className = entry.place ? 'submenu' : 'dropdown';
        const menu = document.createElement('div');
        menu.setAttribute('role', 'menu');
        menu.setAttribute('aria-label', entry.caption);
        menu.hidden = true;
        button.setAttribute('aria-haspopup', 'menu');
        button.setAttribute('aria-expanded', 'false');
        this.build(entry.name, menu);
        button.addEventListener('click', () => {
            if (menu.hidden) {
                this.open(menu);
            } else if (!entry.place) {
                this.closeall(true);
            }
        });
        // A pointer resting on a sub-menu's item opens it, as in a desktop menu.
        button.addEventListener('pointerenter', (event) => {
            if (event.pointerType === 'mouse' && (entry.place || this.openmenus().length > 0)) {
                this.open(menu);
            }
        });
        wrap.append(button, menu);
        return wrap;
    }

    addshortcut(entry, button) {
        const shortcut = BROWSER_KEEPS[entry.shortcut] ?? entry.shortcut;
        const keys = document.createElement('span');
        keys.className = 'keys';
        keys.textContent = shortcut;
        button.append(keys);
        button.setAttribute('aria-keyshortcuts', ariakeys(shortcut));
        this.keys.push({entry, ...parsekeys(shortcut)});
    }

    // The entry whose shortcut `event` is, if any.
    shortcut(event) {
        const found = this.keys.find((k) => k.code === event.code && k.ctrl === event.ctrlKey &&
            k.shift === event.shiftKey && k.alt === event.altKey && !event.metaKey);
        return found?.entry ?? null;
    }

    showmarks(names) {
        for (const [name, button] of this.buttons) {
            const checked = names.includes(name);
            if (button.getAttribute('role') === 'menuitemradio') {
                button.setAttribute('aria-checked', String(checked));
            } else if (button.closest('[role=menu]')) {
                button.classList.toggle('checked', checked);
            }
        }
    }

    openmenus() {
        return [...this.nav.querySelectorAll('[role=menu]:not([hidden])')];
    }

    // Opens `menu`, closing every other that does not hold it.
    open(menu) {
        for (const other of this.openmenus()) {
            if (!other.contains(menu)) this.close(other);
        }
        menu.hidden = false;
        menu.previousElementSibling.setAttribute('aria-expanded', 'true');
    }

    close(menu) {
        for (const inner of menu.querySelectorAll('[role=menu]')) this.close(inner);
        menu.hidden = true;
        menu.previousElementSibling.setAttribute('aria-expanded', 'false');
    }

    // Closes every menu; `giveback` hands the focus back to where it was before the menu bar.
    closeall(giveback) {
        for (const menu of this.openmenus()) this.close(menu);
        if (giveback && takesfocusback(this.returnto) && this.nav.contains(document.activeElement)) {
            this.returnto.focus({preventScroll: true});
        }
    }

    onkey(event) {
        const button = event.target.closest('button');
        if (!button) return;
        const menu = button.parentElement.closest('[role=menu]');
        const trigger = button.getAttribute('aria-haspopup') === 'menu'
            ? button.nextElementSibling : null;
        const move = (step) => {
            const items = [...menu.children]
                .map((child) => (child.matches('button') ? child : child.querySelector(':scope > button')))
                .filter(Boolean);
            items[(items.indexOf(button) + step + items.length) % items.length].focus();
        };
        const top = (step) => {
            const tops = [...this.nav.querySelectorAll(':scope > button, :scope > .dropdown > button')];
            const at = tops.findIndex((b) => b === button || b.parentElement.contains(button));
            const next = tops[(at + step + tops.length) % tops.length];
            const wasopen = this.openmenus().length > 0;
            this.closeall(false);
            next.focus();
            if (wasopen && next.nextElementSibling) this.open(next.nextElementSibling);
        };
        const openinto = () => {
            this.open(trigger);
            trigger.querySelector('button')?.focus();
        };
        switch (event.key) {
            case 'ArrowDown':
            case 'ArrowUp':
                if (menu) {
                    move(event.key === 'ArrowDown' ? 1 : -1);
                } else if (trigger) {
                    openinto();
                }
                break;
            case 'ArrowRight':
                if (menu && trigger) {
                    openinto();
                } else {
                    top(1);
                }
                break;
            case 'ArrowLeft':
                if (menu && menu.parentElement.classList.contains('submenu')) {
                    this.close(menu);
                    menu.previousElementSibling.focus();
                } else {
                    top(-1);
                }
                break;
            case 'Enter':
            case ' ':
                if (!trigger) return;
                openinto();
                break;
            case 'Escape':
                if (menu) {
                    this.close(menu);
                    menu.previousElementSibling.focus();
                } else {
                    this.closeall(true);
                }
                break;
            case 'Tab':
                this.closeall(false);
                return;
            default:
                return;
        }
        event.preventDefault();
        event.stopPropagation();
    }
}
