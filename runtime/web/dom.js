// The page's side of the runtime: it makes the elements the C++ side asks
// for, reports their events under the names the C++ side defines, and draws.
// Every rule of the controls is decided on the C++ side.
// Emscripten 3.1.6 knows mergeInto only; later versions prefer addToLibrary.
(typeof addToLibrary === 'function' ? addToLibrary : function (library) {
  mergeInto(LibraryManager.library, library);
})({
  $rtDom: {
    elements: [null],
    // Their names are the C++ side's (rt_dom_define).
    events: {},
    bits: {},
    // What the page makes of each kind of element the C++ side asks for: its
    // tag, its style and attributes, then what `make` adds. All but the form
    // are placed in it by rt_dom_place.
    placed: { position: 'absolute', boxSizing: 'border-box', margin: '0', font: 'inherit' },
    kinds: {
      // The board is the page's main landmark.
      form: {
        tag: 'main',
        placed: false,
        style: { position: 'absolute', left: '0', top: '0', overflow: 'hidden',
          transformOrigin: '0 0' },
        make: function (element, id) {
          element.rtForm = true;
          element.hidden = true;
          document.body.style.margin = '0';
          // The form is scaled to fit the viewport: no scroll bars, which would
          // take room from it while it shrinks.
          document.documentElement.style.overflow = 'hidden';
          window.addEventListener('resize', function () {
            var size = rtDom.viewport();
            rtDom.send(id, rtDom.events.resize, size[0], size[1]);
          });
          element.addEventListener('contextmenu', function (event) {
            if (rtDom.send(id, rtDom.events.contextmenu, rtDom.idOf(event.target), 0)) {
              event.preventDefault();
            }
          });
          rtDom.reportKeys(element, id);
        },
      },

      textarea: {
        tag: 'textarea',
        // The caret shows where the focus is.
        style: { outline: 'none', resize: 'none', padding: '1px 2px', touchAction: 'pan-y' },
        attributes: { spellcheck: 'false' },
        make: function (element, id) {
          // The C++ side follows each edit from its kind and the selection
          // before and after it, and reads only what it needs of the value.
          element.addEventListener('input', function (event) {
            if (!rtDom.writing) {
              rtDom.sendText(id, rtDom.events.input, event.inputType || '', 0);
            }
          });
          element.addEventListener('paste', function (event) {
            if (rtDom.sendText(id, rtDom.events.paste,
              event.clipboardData.getData('text/plain'), 0)) {
              event.preventDefault();
            }
          });
          rtDom.reportKeys(element, id);
          element.addEventListener('beforeinput', function (event) {
            if (rtDom.sendText(id, rtDom.events.beforeinput, event.inputType || '', 0)) {
              event.preventDefault();
            }
            element.rtBefore = [element.selectionStart, element.selectionEnd];
          });
        },
      },

      listbox: {
        tag: 'div',
        // The selected row shows where the focus is.
        style: { outline: 'none', overflowY: 'scroll', overflowX: 'hidden', userSelect: 'none',
          touchAction: 'pan-y', cursor: 'default' },
        attributes: { role: 'listbox' },
        make: function (element, id) {
          rtDom.reportPointers(element, id, function (target) {
            return rtDom.rowOf(element, target);
          });
          rtDom.reportKeys(element, id);
        },
      },

      row: {
        tag: 'div',
        style: { position: 'static', whiteSpace: 'pre', padding: '0 2px' },
        attributes: { role: 'option', 'aria-selected': 'false' },
        make: function (element) {
          rtDom.kinds.row.copy = element.cloneNode(false);
        },
      },

      button: {
        tag: 'button',
        style: { touchAction: 'manipulation', padding: '0', outline: 'none' },
        make: function (element, id) {
          element.addEventListener('click', function () {
            rtDom.send(id, rtDom.events.press, 0);
          });
          rtDom.reportPointers(element, id, function () { return -1; });
          rtDom.reportKeys(element, id);
          // A dotted frame inside the face, whatever the face's colour, at
          // the inset the C++ side set.
          var style = element.style;
          element.addEventListener('focus', function () {
            style.outline = '1px dotted #000';
          });
          element.addEventListener('blur', function () { style.outline = 'none'; });
        },
      },

      label: { tag: 'div', style: { whiteSpace: 'pre-wrap' } },

      heading: { tag: 'h1',
        style: { whiteSpace: 'pre-wrap', margin: '0', fontSize: 'inherit', fontWeight: 'inherit' } },

      description: {
        tag: 'div',
        make: function (element) {
          element.hidden = true;
        },
      },
    },
    // While the program writes to a text area, its input events are its own.
    writing: false,
    ended: false,
    text: function (pointer, length) {
      var parts = [];
      for (var at = 0; at < length; at += 8192) {
        var end = Math.min(at + 8192, length);
        parts.push(String.fromCharCode.apply(null,
          HEAPU16.subarray((pointer >> 1) + at, (pointer >> 1) + end)));
      }
      return parts.join('');
    },
    // Hands `text` to the C++ side in its buffer; returns its length.
    pass: function (text) {
      var pointer = _rt_web_buffer(text.length) >> 1;
      if (!pointer) {
        return -1;
      }
      for (var i = 0; i < text.length; ++i) {
        HEAPU16[pointer + i] = text.charCodeAt(i);
      }
      return text.length;
    },
    send: function (id, type, a, b) {
      return rtDom.ended ? 0 : _rt_web_event(id, type, a | 0, b | 0);
    },
    sendText: function (id, type, text, a) {
      return rtDom.ended ? 0 : _rt_web_text_event(id, type, rtDom.pass(text), a | 0);
    },
    // The keys pressed over an element, which the C++ side may take.
    reportKeys: function (element, id) {
      element.addEventListener('keydown', function (event) {
        if (rtDom.sendKey(id, event)) {
          event.preventDefault();
        }
      });
    },
    // A key pressed: its name, the modifiers held and whether it repeats.
    sendKey: function (id, event) {
      var bits = rtDom.bits;
      var held = (event.shiftKey ? bits.shift : 0) | (event.ctrlKey ? bits.ctrl : 0) |
        (event.altKey ? bits.alt : 0) | (event.metaKey ? bits.meta : 0) |
        (event.repeat ? bits.repeat : 0);
      return rtDom.sendText(id, rtDom.events.key, event.key, held);
    },
    // The row under `target`, from the number each row is given at its making.
    rowOf: function (list, target) {
      for (var node = target; node && node !== list; node = node.parentNode) {
        if (node.parentNode === list) {
          return node.rtRow;
        }
      }
      return -1;
    },
    // The pointers' presses, lifts and cancels over an element, each with
    // `rowOf` its target, and the ends of touches, which the C++ side may
    // keep from becoming the browser's click.
    reportPointers: function (element, id, rowOf) {
      ['pointerdown', 'pointerup', 'pointercancel'].forEach(function (name) {
        element.addEventListener(name, function (event) {
          if (!rtDom.ended) {
            _rt_web_pointer_event(id, rtDom.events[name], rtDom.pass(event.pointerType),
              event.button, event.pointerId, event.isPrimary ? 1 : 0, rowOf(event.target));
          }
        });
      });
      element.addEventListener('touchend', function (event) {
        if (rtDom.send(id, rtDom.events.touchend, 0, 0)) {
          event.preventDefault();
        }
      });
    },
    // The number of the element `node` is, or is in; 0 for none.
    idOf: function (node) {
      for (; node; node = node.parentNode) {
        var id = node.id && /^rt[0-9]+$/.test(node.id) ? Number(node.id.slice(2)) : 0;
        if (id && rtDom.elements[id] === node) {
          return id;
        }
      }
      return 0;
    },
    // Inserts at `at` with the editing command, which works in the focused
    // element only; no on-screen keyboard opens for this moment of focus.
    insertWithCommand: function (area, text, at) {
      var focused = document.activeElement;
      var mode = area.inputMode;
      area.inputMode = 'none';
      if (focused !== area) {
        area.focus({ preventScroll: true });
      }
      area.setSelectionRange(at, at);
      if (!document.execCommand('insertText', false, text)) {
        area.setRangeText(text, at, at, 'end');
      }
      if (focused !== area) {
        if (focused && focused.focus) {
          focused.focus({ preventScroll: true });
        } else {
          area.blur();
        }
      }
      area.inputMode = mode;
    },
    // The page's viewport in CSS pixels, less any scroll bars.
    viewport: function () {
      var page = document.documentElement;
      return [page.clientWidth, page.clientHeight];
    },
    endProgram: function () {
      rtDom.ended = true;
      for (var i = 1; i < rtDom.elements.length; ++i) {
        var element = rtDom.elements[i];
        if (element && element.rtForm && element.parentNode) {
          element.parentNode.removeChild(element);
        }
      }
    },
  },

  // The C++ side names its events and modifier bits before it makes an
  // element: `group` 0 for an event, 1 for a modifier.
  rt_dom_define__deps: ['$rtDom'],
  rt_dom_define: function (group, name, nameLength, value) {
    (group ? rtDom.bits : rtDom.events)[rtDom.text(name, nameLength)] = value;
  },

  rt_dom_create__deps: ['$rtDom', 'rt_web_event', 'rt_web_text_event', 'rt_web_pointer_event',
    'rt_web_buffer'],
  rt_dom_create: function (kind, kindLength, parent) {
    var kindOf = rtDom.kinds[rtDom.text(kind, kindLength)];
    var id = rtDom.elements.length;
    // The rows are many and alike: each is a copy of the first.
    var element = kindOf.copy ? kindOf.copy.cloneNode(false) : document.createElement(kindOf.tag);
    element.id = 'rt' + id;
    rtDom.elements.push(element);
    if (!kindOf.copy) {
      Object.assign(element.style, kindOf.placed === false ? {} : rtDom.placed, kindOf.style);
      for (var name in kindOf.attributes || {}) {
        element.setAttribute(name, kindOf.attributes[name]);
      }
      if (kindOf.make) {
        kindOf.make(element, id);
      }
    }
    var into = parent ? rtDom.elements[parent] : document.body;
    element.rtRow = into.children.length;
    into.appendChild(element);
    return id;
  },

  rt_dom_destroy__deps: ['$rtDom'],
  rt_dom_destroy: function (id) {
    var element = rtDom.elements[id];
    if (element && element.parentNode) {
      element.parentNode.removeChild(element);
    }
    rtDom.elements[id] = null;
  },

  rt_dom_place__deps: ['$rtDom'],
  rt_dom_place: function (id, left, top, width, height) {
    var style = rtDom.elements[id].style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
  },

  // The browser's own scaling, so that hit testing, scrolling, the caret and
  // the selection all follow; none at a scale of one.
  rt_dom_scale__deps: ['$rtDom'],
  rt_dom_scale: function (id, left, top, scale) {
    rtDom.elements[id].style.transform = scale === 1 && !left && !top ? '' :
      'translate(' + left + 'px, ' + top + 'px) scale(' + scale + ')';
  },

  rt_dom_viewport__deps: ['$rtDom'],
  rt_dom_viewport: function (width, height) {
    var size = rtDom.viewport();
    HEAP32[width >> 2] = size[0];
    HEAP32[height >> 2] = size[1];
  },

  rt_dom_style__deps: ['$rtDom'],
  rt_dom_style: function (id, property, propertyLength, value, valueLength) {
    rtDom.elements[id].style.setProperty(rtDom.text(property, propertyLength),
      rtDom.text(value, valueLength));
  },

  rt_dom_attribute__deps: ['$rtDom'],
  rt_dom_attribute: function (id, name, nameLength, value, valueLength) {
    rtDom.elements[id].setAttribute(rtDom.text(name, nameLength), rtDom.text(value, valueLength));
  },

  rt_dom_text__deps: ['$rtDom'],
  rt_dom_text: function (id, pointer, length) {
    var element = rtDom.elements[id];
    var text = rtDom.text(pointer, length);
    if (element.tagName === 'TEXTAREA') {
      element.value = text;
    } else {
      element.textContent = text;
    }
  },

  rt_dom_select_text__deps: ['$rtDom'],
  rt_dom_select_text: function (id, start, end, top) {
    var area = rtDom.elements[id];
    area.setSelectionRange(start, end);
    if (top) {
      area.scrollTop = 0;
    }
  },

  rt_dom_page__deps: ['$rtDom'],
  rt_dom_page: function (title, titleLength, background, backgroundLength) {
    document.title = rtDom.text(title, titleLength);
    document.documentElement.style.background = rtDom.text(background, backgroundLength);
  },

  // Appends to a text area at its end; the caret follows when `follows`.
  // With `command`, as an edit of its own: Chromium then lays out only what
  // is new, and after no standard call, but the command needs the focus.
  rt_dom_append__deps: ['$rtDom'],
  rt_dom_append: function (id, pointer, length, oldLength, follows, command) {
    var area = rtDom.elements[id];
    if (!length) {
      return;
    }
    var text = rtDom.text(pointer, length);
    var kept = follows ? null : [area.selectionStart, area.selectionEnd, area.scrollTop];
    rtDom.writing = true;
    if (command) {
      rtDom.insertWithCommand(area, text, oldLength);
    } else {
      area.setRangeText(text, oldLength, oldLength, 'end');
      if (follows) {
        area.scrollTop = area.scrollHeight;
      }
    }
    if (kept) {
      area.setSelectionRange(kept[0], kept[1]);
      area.scrollTop = kept[2];
    }
    rtDom.writing = false;
  },

  // A new line typed with Shift or Ctrl: one character, which the editing
  // command inserts at once and keeps for undo, as typing is.
  rt_dom_insert__deps: ['$rtDom'],
  rt_dom_insert: function (id, pointer, length) {
    var area = rtDom.elements[id];
    var text = rtDom.text(pointer, length);
    if (!document.execCommand('insertText', false, text)) {
      area.setRangeText(text, area.selectionStart, area.selectionEnd, 'end');
      area.dispatchEvent(new InputEvent('input', { inputType: 'insertText', data: text }));
    }
  },

  // A paste, in the time the text area takes to hold it: the editing command
  // grows with the square of its lines. It is not undone with the typing.
  rt_dom_replace__deps: ['$rtDom'],
  rt_dom_replace: function (id, pointer, length, from, to, showEnd) {
    var area = rtDom.elements[id];
    rtDom.writing = true;
    area.setRangeText(rtDom.text(pointer, length), from, to, 'end');
    if (showEnd) {
      area.scrollTop = area.scrollHeight;
    }
    rtDom.writing = false;
  },

  // The selection now, or (`before` set) as the last edit found it.
  rt_dom_selection__deps: ['$rtDom'],
  rt_dom_selection: function (id, start, end, before) {
    var area = rtDom.elements[id];
    var range = before && area.rtBefore ? area.rtBefore : [area.selectionStart, area.selectionEnd];
    HEAP32[start >> 2] = range[0];
    HEAP32[end >> 2] = range[1];
  },

  rt_dom_text_length__deps: ['$rtDom'],
  rt_dom_text_length: function (id) {
    return rtDom.elements[id].textLength;
  },

  // Hands the text area's characters [from, to) over; returns their count.
  rt_dom_slice__deps: ['$rtDom', 'rt_web_buffer'],
  rt_dom_slice: function (id, from, to) {
    return rtDom.pass(rtDom.elements[id].value.slice(from, to));
  },

  rt_dom_focused__deps: ['$rtDom'],
  rt_dom_focused: function () {
    var focused = document.activeElement;
    var id = rtDom.idOf(focused);
    return rtDom.elements[id] === focused ? id : 0;
  },

  rt_dom_select_row__deps: ['$rtDom'],
  rt_dom_select_row: function (id, row, selected) {
    var option = rtDom.elements[id].children[row];
    if (option) {
      option.setAttribute('aria-selected', selected ? 'true' : 'false');
      option.style.background = selected ? 'Highlight' : '';
      option.style.color = selected ? 'HighlightText' : '';
      if (selected) {
        rtDom.elements[id].setAttribute('aria-activedescendant', option.id);
      }
    }
  },

  rt_dom_show_row__deps: ['$rtDom'],
  rt_dom_show_row: function (id, row) {
    var option = rtDom.elements[id].children[row];
    if (option) {
      option.scrollIntoView({ block: 'nearest' });
    }
  },

  // The height of a list's view and of one of its rows, in CSS pixels.
  rt_dom_list_metrics__deps: ['$rtDom'],
  rt_dom_list_metrics: function (id, view, row) {
    var list = rtDom.elements[id];
    HEAP32[view >> 2] = list.clientHeight;
    HEAP32[row >> 2] = list.firstChild ? list.firstChild.offsetHeight : 1;
  },

  rt_dom_show__deps: ['$rtDom'],
  rt_dom_show: function (id, shown) {
    rtDom.elements[id].hidden = !shown;
  },

  rt_dom_focus__deps: ['$rtDom'],
  // The form fits the viewport: nothing to scroll to.
  rt_dom_focus: function (id) {
    rtDom.elements[id].focus({ preventScroll: true });
  },

  // A run-time error's message in a modal dialog of the page; once it is
  // dismissed, the program has ended.
  rt_dom_error__deps: ['$rtDom'],
  rt_dom_error: function (title, titleLength, message, messageLength, button, buttonLength) {
    var dialog = document.createElement('dialog');
    dialog.setAttribute('role', 'alertdialog');
    var heading = document.createElement('h1');
    heading.textContent = rtDom.text(title, titleLength);
    heading.style.font = 'bold 16px sans-serif';
    var text = document.createElement('p');
    text.textContent = rtDom.text(message, messageLength);
    text.style.whiteSpace = 'pre-wrap';
    var ok = document.createElement('button');
    ok.textContent = rtDom.text(button, buttonLength);
    ok.addEventListener('click', function () { dialog.close(); });
    dialog.addEventListener('close', rtDom.endProgram);
    dialog.append(heading, text, ok);
    document.body.appendChild(dialog);
    dialog.showModal();
    ok.focus();
  },

  rt_dom_end__deps: ['$rtDom'],
  rt_dom_end: function () {
    rtDom.ended = true;
    if (!document.querySelector('dialog[open]')) {
      rtDom.endProgram();
    }
  },
});
